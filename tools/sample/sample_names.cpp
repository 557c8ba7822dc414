#include "sample_names.h"

#include <initializer_list>

#include "platform/code_page.h"

namespace tallo::sample {

namespace {

// The tables are written here in UTF-8 and turned into the 8-bit code page once.
std::vector<std::string> Table(std::initializer_list<const char*> utf8) {
    std::vector<std::string> result;
    result.reserve(utf8.size());
    for (const char* text : utf8) {
        result.push_back(FromUtf8(text, CodePage::Windows1252));
    }
    return result;
}

std::string Replace(std::string_view pattern, const std::string& value) {
    std::string result(pattern);
    size_t at = result.find("{}");
    if (at != std::string::npos) {
        result.replace(at, 2, value);
    }
    return result;
}

} // namespace

std::string Fit(std::string_view text, size_t maxLength) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ' ' && (result.empty() || result.back() == ' ')) {
            continue;
        }
        result.push_back(c);
    }
    if (result.size() > maxLength) {
        result.resize(maxLength);
    }
    while (!result.empty() && result.back() == ' ') {
        result.pop_back();
    }
    return result;
}

std::string AsciiSlug(std::string_view text) {
    std::string result;
    for (char c : text) {
        if (c >= 'A' && c <= 'Z') {
            result.push_back(static_cast<char>(c - 'A' + 'a'));
        } else if (c >= 'a' && c <= 'z') {
            result.push_back(c);
        }
    }
    return result;
}

std::string UpperAscii(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return result;
}

SampleNames::SampleNames() {
    Style& germanic = styles_[static_cast<int>(NameStyle::kGermanic)];
    germanic.first = {
        Table({"Han", "Jo",  "Wil", "Fried", "Ger", "Lu", "Kar",  "Mat", "Die",  "Ul",
               "Wer", "Jür", "Ste", "Tho",   "Mar", "Rü", "Bern", "Ot",  "Rein", "Sö"}),
        Table({"s", "nas", "helm", "rich", "hard", "kas", "l", "thias", "ter", "ner", "gen", "fan",
               "mas", "kus", "diger", "d", "ren", "to"})};
    germanic.surname = {
        Table({"Mül",     "Schmi", "Wag",  "Be", "Hof",  "Kö",    "Brau", "Zim", "Schrö", "Neu",
               "Schwarz", "Krü",   "Wolf", "Ha", "Lang", "Stein", "Gro",  "Fi",  "Küh",   "Wei"}),
        Table({"ler", "dt",  "ner", "cker",   "mann", "nig",   "n", "mer",   "der", "bauer",
               "zer", "ger", "f",   "rtmann", "e",    "brück", "ß", "scher", "ne",  "höfer"})};

    Style& romance = styles_[static_cast<int>(NameStyle::kRomance)];
    romance.first = {Table({"Jo", "Mi", "An", "Pa", "Lu", "Ra", "Fer", "Car", "Ser", "Die", "Ma",
                            "Ta", "Fran", "Ví", "Ni", "Ré", "Ste", "Jé"}),
                     Table({"sé", "guel", "tonio", "blo", "is", "món", "nando", "los", "gio", "go",
                            "rio", "deo", "cesco", "ctor", "colás", "mi", "fano", "ão"})};
    romance.surname = {
        Table({"Gar", "Rodrí", "Fer", "Mar", "Lo", "San", "Pé", "Gon", "Ro", "Ca", "Bian", "Mo",
               "Fon", "Ri", "Do", "Castel", "Iba", "Mu", "Con"}),
        Table({"cía", "guez", "nández", "tín",   "pez",   "chez", "rez", "zález", "ssi",    "ruso",
               "chi", "reno", "taine",  "vière", "mingo", "lano", "ñez", "ñoz",   "ceição", "ço"})};

    Style& slavic = styles_[static_cast<int>(NameStyle::kSlavic)];
    slavic.first = {Table({"Dra", "Mi", "Vla", "Bo", "Zo", "Ra", "Sta", "Pe", "Ni", "Du", "Mar",
                           "Lju", "Iv", "Jo", "Go"}),
                    Table({"gan", "lan", "dimir", "ris", "ran", "doslav", "nko", "tar", "kola",
                           "šan", "ko", "bomir", "an", "sip"})};
    slavic.surname = {
        Table({"Nova", "Kova", "Pe", "Ja", "Mar", "Hor", "Dvo", "Ko", "Pav", "Šte", "Kral", "Bla",
               "Vu", "Ži", "Ze"}),
        Table({"k", "ski", "vic", "šek", "žek", "ák", "ský", "ovski", "enko", "nik", "rák", "ý"})};

    Style& nordic = styles_[static_cast<int>(NameStyle::kNordic)];
    nordic.first = {
        Table({"Lar", "Sve", "Ol", "Bjør", "Kjel", "Ing", "Magn", "Tor", "Ás", "Ei", "Hå", "Sø",
               "Ni", "Pe"}),
        Table({"s", "n", "e", "l", "var", "us", "björn", "geir", "rik", "kon", "ren", "ls", "r"})};
    nordic.surname = {Table({"Ander", "Johan", "Nil", "Lar", "Ols", "Pers", "Hans", "Sven", "Berg",
                             "Lind", "Dahl", "Ström", "Hol", "Sø", "Æ"}),
                      Table({"sen", "sson", "en", "lund", "ström", "gren", "qvist", "berg", "m",
                             "rensen", "by"})};

    Style& world = styles_[static_cast<int>(NameStyle::kWorld)];
    world.first = {
        Table({"Ka", "Ta", "Mo", "Ke", "Ya", "Ko", "Sa", "A", "O", "Ki", "Da", "Ju", "Ra", "Cé"}),
        Table(
            {"mal", "ro", "ussa", "nji", "shi", "fi", "mi", "bu", "lu", "ri", "vi", "no", "sar"})};
    world.surname = {
        Table({"Oko", "Ta", "Na", "Mba", "Ka", "Yama", "Sa", "Nko", "Wa", "Ha", "Ba", "Me", "Tou"}),
        Table({"nkwo", "naka", "ye", "ppe", "mura", "to", "mo", "si", "da", "ra", "ndi", "lo",
               "ré"})};

    germanic.femaleEnds = Table({"a", "ine", "rike", "trud", "hild", "e", "ka"});
    romance.femaleEnds = Table({"a", "ia", "ela", "ina", "ette", "ana"});
    slavic.femaleEnds = Table({"a", "ena", "ka", "slava", "ica", "mila"});
    nordic.femaleEnds = Table({"a", "rid", "hild", "ny", "dis", "borg"});
    world.femaleEnds = Table({"na", "ya", "mi", "ra", "ko", "ssa"});

    place_ = {Table({"Val", "Bran", "Ros",  "Mar",  "Kel", "Dor", "Lin",  "Ash", "Gre", "Fal",
                     "Ost", "Nor",  "Sil",  "Wes",  "Ber", "Hal", "Tor",  "Cas", "Lun", "Ried",
                     "Bel", "Mont", "Sant", "Port", "Neu", "Alt", "Stro", "Vel", "Kra", "Zel"}),
              Table({"burg",  "haven", "ford",  "ville", "dorf", "heim", "stad", "polis", "grad",
                     "mouth", "ton",   "field", "bruck", "sund", "vik",  "lar",  "dal",   "mora",
                     "quez",  "dré",   "ülle",  "ønd",   "ñera", "ça",   "ès"})};
    placeMiddles_ = Table({"", "", "", "a", "e", "i", "o", "en", "an"});

    country_ = {
        Table({"Vel", "Ost", "Mar", "Kor", "Sal", "Bel", "Tar", "Zan", "Lum", "Bra", "Ner", "Dal",
               "Ar",  "Em",  "Gal", "Hel", "Is",  "Jor", "Kal", "Lor", "Mon", "Nor", "Or",  "Pra",
               "Qua", "Rho", "Sen", "Tir", "Ul",  "Vor", "Wen", "Xan", "Yel", "Zor"}),
        Table({"ria", "land", "stan",  "nia",  "dor", "via", "ga",  "tia", "mark", "ana",
               "lia", "ssa",  "nesia", "guay", "ca",  "ra",  "bia", "ros", "ea",   "thia"})};
    countryMiddles_ = Table({"", "", "a", "e", "i", "o", "u", "an", "en", "or", "ar", "é", "ü"});

    clubPrefixes_ = Table({"FC {}", "Sporting {}", "Real {}", "Dynamo {}", "Athletic {}", "SV {}",
                           "Union {}", "Racing {}", "Olympique {}", "Atlético {}", "Borussia {}",
                           "IF {}", "Deportivo {}", "Vorwärts {}", "AS {}"});
    clubSuffixes_ = Table({"{} FC", "{} United", "{} City", "{} Rovers", "{} Wanderers",
                           "{} Athletic", "{} 1899", "{} 04", "{} Town", "{} Rangers"});
    fanNames_ = Table({"Lions",       "Eagles",    "Wolves",     "Sharks",  "Die Roten",
                       "Los Blancos", "Les Verts", "The Saints", "Bears",   "Ravens",
                       "Foxes",       "Magpies",   "Bulls",      "Hornets", "Owls",
                       "Tigers",      "Piratas",   "Canaries",   "Zebras",  "Löwen"});
    mascots_ = Table({"Leo", "Eddie Eagle", "Wolfi", "Sharky", "Toro", "Bärli", "Foxy", "Hoot",
                      "Tiger Tom", "Canário", "Señor Gol"});
    nicknames_ = Table({"Kaiser", "Flash", "Il Toro", "Der Bomber", "El Mago", "Rocket", "Le Roc",
                        "Turbo", "Zé", "The Wall", "Pelé Jr", "Kopfball", "Niño"});
    sponsorTrades_ =
        Table({"Bank", "Motors", "Brauerei", "Telecom", "Airlines", "Energie", "Versicherung",
               "Foods", "Electronics", "Café", "Cerveza", "Assurances"});
    stadiumWords_ = Table({"Stadion {}", "Estadio {}", "{} Arena", "{} Park", "Stade de {}",
                           "Campo {}", "{} Ground", "Arena {}", "Stadio {}"});
    newspaperPatterns_ = Table({"{} Tageblatt", "Diário de {}", "{} Gazette", "Le Courrier {}",
                                "{} Post", "La Voz de {}", "{} Nyheter"});
}

std::string SampleNames::FirstName(SampleRandom& random, NameStyle style) const {
    const Syllables& table = styles_[static_cast<int>(style)].first;
    return Fit(random.Pick(table.starts) + random.Pick(table.ends), 15);
}

std::string SampleNames::FemaleFirstName(SampleRandom& random, NameStyle style) const {
    const Style& table = styles_[static_cast<int>(style)];
    return Fit(random.Pick(table.first.starts) + random.Pick(table.femaleEnds), 15);
}

std::string SampleNames::Surname(SampleRandom& random, NameStyle style) const {
    const Syllables& table = styles_[static_cast<int>(style)].surname;
    std::string name = random.Pick(table.starts) + random.Pick(table.ends);
    if (random.Chance(8)) {
        // A double name now and then ("Müller-Berg").
        name += "-" + random.Pick(table.starts) + random.Pick(table.ends);
    }
    return Fit(name, 19);
}

std::string SampleNames::Place(SampleRandom& random) const {
    return Fit(random.Pick(place_.starts) + random.Pick(placeMiddles_) + random.Pick(place_.ends),
               20);
}

std::string SampleNames::CountryName(SampleRandom& random) const {
    return Fit(random.Pick(country_.starts) + random.Pick(countryMiddles_) +
                   random.Pick(country_.ends),
               20);
}

std::string SampleNames::ClubName(SampleRandom& random, const std::string& place) const {
    const std::vector<std::string>& patterns = random.Chance(60) ? clubPrefixes_ : clubSuffixes_;
    return Fit(Replace(random.Pick(patterns), place), 29);
}

std::string SampleNames::FanName(SampleRandom& random) const {
    return Fit(random.Pick(fanNames_), 19);
}

std::string SampleNames::Mascot(SampleRandom& random) const {
    return Fit(random.Pick(mascots_), 19);
}

std::string SampleNames::Nickname(SampleRandom& random) const {
    return Fit(random.Pick(nicknames_), 19);
}

std::string SampleNames::SponsorName(SampleRandom& random, NameStyle style) const {
    return Fit(Surname(random, style) + " " + random.Pick(sponsorTrades_), 28);
}

std::string SampleNames::StadiumName(SampleRandom& random, NameStyle style,
                                     const std::string& place) const {
    const std::string& pattern = random.Pick(stadiumWords_);
    const std::string subject = random.Chance(30) ? Surname(random, style) : place;
    return Fit(Replace(pattern, subject), 29);
}

std::string SampleNames::Newspaper(SampleRandom& random, const std::string& place) const {
    return Fit(Replace(random.Pick(newspaperPatterns_), place), 28);
}

std::string SampleNames::Magazine(SampleRandom& random, const std::string& country) const {
    static const char* const kPatterns[] = {"{} Football Weekly", "Kicker {}", "Goal {}",
                                            "{} Sport"};
    return Fit(Replace(random.Pick(kPatterns), country), 30);
}

} // namespace tallo::sample
