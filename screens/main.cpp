// tallo-screens: opens the editor's windows one by one on the small sample installation and
// writes a picture of each, in Russian and in English, for a look without a display.
//
//   tallo-screens OUTPUT_FOLDER [NAME...]
//
// Without names every registered window is pictured; with names only those. The sample is
// written into OUTPUT_FOLDER/sample. Runs on the "offscreen" platform unless QT_QPA_PLATFORM
// says otherwise.

#include <QApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/load_preparation.h"
#include "formats/interface_language.h"
#include "editors/framework/skin.h"
#include "sample_installation.h"
#include "screen_registry.h"
#include "world/world.h"

namespace {

bool WriteSample(const std::string& folder) {
    tallo::sample::SampleOptions options;
    options.scale = tallo::sample::SampleScale::kSmall;
    options.seed = 1;
    tallo::sample::SampleSummary summary;
    std::string error;
    if (!tallo::sample::WriteSampleInstallation(folder, options, summary, error)) {
        std::fprintf(stderr, "tallo-screens: the sample could not be written: %s\n", error.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: tallo-screens OUTPUT_FOLDER [NAME...]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1"));
    tallo::Skin::Apply(application);

    const QString output = QString::fromLocal8Bit(argv[1]);
    std::vector<std::string> wanted(argv + 2, argv + argc);
    if (!QDir().mkpath(output)) {
        std::fprintf(stderr, "tallo-screens: cannot make %s\n", argv[1]);
        return 1;
    }

    const std::string install = (output + QStringLiteral("/sample")).toStdString();
    if (!WriteSample(install)) {
        return 1;
    }
    auto world = std::make_unique<tallo::CWorld>();
    tallo::PrepareForLoad(*world, install);
    if (!world->LoadAll(install + "/database")) {
        std::fprintf(stderr, "tallo-screens: the sample database could not be loaded\n");
        return 1;
    }

    int written = 0;
    int failed = 0;
    for (tallo::InterfaceLanguage language :
         {tallo::InterfaceLanguage::Russian, tallo::InterfaceLanguage::English}) {
        tallo::SetInterfaceLanguage(language);
        const char* suffix = language == tallo::InterfaceLanguage::Russian ? "ru" : "en";
        for (const auto& screen : tallo::screens::Screens()) {
            if (!wanted.empty() &&
                std::find(wanted.begin(), wanted.end(), screen.name) == wanted.end()) {
                continue;
            }
            tallo::screens::ScreenContext context;
            context.install = install;
            context.world = world.get();
            context.language = language;
            const QImage image = screen.capture(context);
            const QString path =
                output + QStringLiteral("/%1-%2.png")
                             .arg(QString::fromStdString(screen.name), QString::fromLatin1(suffix));
            if (image.isNull() || !image.save(path)) {
                std::fprintf(stderr, "tallo-screens: no picture of %s (%s)\n", screen.name.c_str(),
                             suffix);
                ++failed;
                continue;
            }
            std::printf("%s\n", path.toLocal8Bit().constData());
            ++written;
        }
    }
    std::fprintf(stderr, "tallo-screens: %d pictures written to %s\n", written, argv[1]);
    return failed == 0 && written > 0 ? 0 : 1;
}
