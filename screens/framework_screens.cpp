// The windows of the dialog framework: a dialog with nested pages, each custom control, the
// input box, both error windows, the progress window and the start window.

#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <chrono>
#include <thread>

#include "app/longtime_export_world.h"
#include "assets/dib_image.h"
#include "assets/tga_to_bmp.h"
#include "editors/framework/dialog_b.h"
#include "editors/framework/dlg_error_message.h"
#include "editors/framework/dlg_error_single.h"
#include "editors/framework/dlg_input_box.h"
#include "editors/framework/dlg_longtime_operation.h"
#include "editors/framework/longtime_task.h"
#include "editors/framework/my_group_box.h"
#include "editors/framework/my_list_box.h"
#include "editors/framework/my_slider_control.h"
#include "editors/framework/my_tab_ctrl.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/select_colour.h"
#include "editors/framework/select_database.h"
#include "editors/framework/show_bitmap.h"
#include "editors/framework/spin_edit_ctrl.h"
#include "editors/framework/splash_wnd.h"
#include "formats/string_table.h"
#include "platform/code_page.h"
#include "platform/path_resolver.h"
#include "screen_registry.h"
#include "world/club.h"
#include "world/country.h"
#include "world/world.h"

namespace tallo::screens {

namespace {

QString RecordText(std::string_view bytes) {
    return ToQString(ToUtf8(bytes, ActiveCodePage()));
}

// The country of the sample with the most clubs.
CCountry* BusiestCountry(ScreenContext& context) {
    CCountry* best = nullptr;
    for (int number = 1; number <= 206; ++number) {
        CCountry* country = context.world->GetCountry(number);
        if (country != nullptr &&
            (best == nullptr || country->GetOrdinaryClubCount() > best->GetOrdinaryClubCount())) {
            best = country;
        }
    }
    return best;
}

std::unique_ptr<CDialogB> HostDialog(const QString& title) {
    auto dialog = std::make_unique<CDialogB>();
    dialog->setWindowTitle(title);
    return dialog;
}

QDialogButtonBox* OkCancel(ScreenContext& c, QWidget* parent) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    buttons->button(QDialogButtonBox::Ok)->setText(c.Pick("OK", "OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(c.Pick("Отмена", "Cancel"));
    return buttons;
}

// A dialog with a tab control whose first page holds a panel of its own: the picture runs on
// through the tab page and the panel.
std::unique_ptr<QWidget> NestedPages(ScreenContext& c) {
    auto dialog = HostDialog(c.Pick("Настройки клуба", "Club settings"));
    auto* layout = new QVBoxLayout(dialog.get());
    layout->setContentsMargins(12, 12, 12, 12);

    auto* heading = new QLabel(c.Pick("Страницы внутри диалога продолжают фон окна.",
                                      "Pages inside the dialog continue the window's picture."),
                               dialog.get());
    layout->addWidget(heading);

    auto* tabs = new CMyTabCtrl(dialog.get());
    auto* general = new CDialogB(nullptr, CDialogB::Kind::ChildPage);
    auto* form = new QFormLayout;
    CCountry* country = BusiestCountry(c);
    CClub* club = country != nullptr ? country->GetClubByPosition(0) : nullptr;
    auto* name = new QLineEdit(club != nullptr ? RecordText(club->Name(0)) : QString(), general);
    auto* shortName =
        new QLineEdit(club != nullptr ? RecordText(club->ShortName(0)) : QString(), general);
    form->addRow(c.Pick("Название:", "Name:"), name);
    form->addRow(c.Pick("Сокращение:", "Short name:"), shortName);
    auto* pageLayout = new QVBoxLayout(general);
    pageLayout->addLayout(form);

    auto* panel = new CDialogB(general, CDialogB::Kind::ChildPage);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    auto* group = new CMyGroupBox(c.Pick("Вложенная панель", "Nested panel"), panel);
    auto* groupLayout = new QGridLayout(group);
    groupLayout->setContentsMargins(10, 18, 10, 10);
    groupLayout->addWidget(new QLabel(c.Pick("Болельщики:", "Fans:"), group), 0, 0);
    groupLayout->addWidget(new QLabel(QStringLiteral("24 500"), group), 0, 1);
    groupLayout->addWidget(new QLabel(c.Pick("Основан:", "Founded:"), group), 1, 0);
    groupLayout->addWidget(new QLabel(QStringLiteral("1899"), group), 1, 1);
    panelLayout->addWidget(group);
    pageLayout->addWidget(panel);
    pageLayout->addStretch(1);

    auto* finances = new CDialogB(nullptr, CDialogB::Kind::ChildPage);
    auto* financeLayout = new QVBoxLayout(finances);
    financeLayout->addWidget(
        new QLabel(c.Pick("Бюджет на сезон", "Budget of the season"), finances));
    financeLayout->addStretch(1);

    tabs->AddPage(general, c.Pick("Общие", "General"));
    tabs->AddPage(finances, c.Pick("Финансы", "Finances"));
    layout->addWidget(tabs, 1);
    layout->addWidget(OkCancel(c, dialog.get()));
    dialog->resize(520, 380);
    return dialog;
}

std::unique_ptr<QWidget> ListBox(ScreenContext& c) {
    auto dialog = HostDialog(c.Pick("Список клубов", "Club list"));
    auto* layout = new QVBoxLayout(dialog.get());
    auto* list = new CMyListBox(dialog.get());
    list->SetColumns({ListColumn{0, 230, Qt::AlignLeft}, ListColumn{230, 330, Qt::AlignLeft},
                      ListColumn{330, -1, Qt::AlignRight}});
    auto* titles = new QWidget(dialog.get());
    auto* titleLayout = new QHBoxLayout(titles);
    titleLayout->setContentsMargins(4, 0, 8, 0);
    auto* clubTitle = new QLabel(c.Pick("Клуб", "Club"), titles);
    clubTitle->setFixedWidth(230);
    auto* shortTitle = new QLabel(c.Pick("Сокр.", "Short"), titles);
    auto* playersTitle = new QLabel(c.Pick("Игроков", "Players"), titles);
    playersTitle->setAlignment(Qt::AlignRight);
    titleLayout->addWidget(clubTitle);
    titleLayout->addWidget(shortTitle, 1);
    titleLayout->addWidget(playersTitle);
    layout->addWidget(titles);
    if (CCountry* country = BusiestCountry(c)) {
        for (size_t i = 0; i < country->GetClubCount() && i < 12; ++i) {
            CClub* club = country->GetClubByPosition(i);
            list->AddRow(RecordText(club->Name(0)) + QLatin1Char('\t') +
                         RecordText(club->ShortName(0)) + QLatin1Char('\t') +
                         QString::number(club->PlayerCount()));
        }
    }
    list->AddRow(c.Pick("Строка без табуляции: только первый столбец",
                        "A row without tabs: first column only"));
    list->setCurrentRow(1);
    layout->addWidget(list, 1);
    dialog->resize(480, 380);
    list->setFocus();
    return dialog;
}

std::unique_ptr<QWidget> ColourList(ScreenContext& c) {
    auto dialog = HostDialog(c.Pick("Цвета формы", "Kit colours"));
    auto* layout = new QHBoxLayout(dialog.get());
    auto* label = new QLabel(c.Pick("Основной цвет:", "Main colour:"), dialog.get());
    label->setAlignment(Qt::AlignTop);
    auto* colours = new CSelectColour(dialog.get());
    const QColor palette[] = {
        Qt::white,          QColor(200, 16, 46), QColor(0, 61, 165),    QColor(255, 205, 0),
        QColor(0, 122, 51), Qt::black,           QColor(120, 190, 232), QColor(128, 0, 64)};
    for (const QColor& colour : palette) {
        colours->AddColour(colour);
    }
    colours->setCurrentRow(2);
    layout->addWidget(label);
    layout->addWidget(colours, 1);
    dialog->resize(300, 220);
    return dialog;
}

std::unique_ptr<QWidget> DatabaseList(ScreenContext& c) {
    auto dialog = HostDialog(c.Pick("Открыть базу данных", "Open database"));
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(new QLabel(c.Pick("Базы данных:", "Databases:"), dialog.get()));
    auto* list = new CSelectDatabase(dialog.get());
    list->AddDatabase(QStringLiteral("database"), QStringLiteral("database"));
    list->AddDatabase(QStringLiteral("Season 2004"), QStringLiteral("Season 2004"));
    list->AddDatabase(c.Pick("Моя лига (открыта)", "My league (open)"), QStringLiteral("My league"),
                      true);
    list->AddDatabase(QStringLiteral("Transfers"), QStringLiteral("Transfers"));
    list->setCurrentRow(1);
    layout->addWidget(list, 1);
    layout->addWidget(OkCancel(c, dialog.get()));
    dialog->resize(360, 300);
    return dialog;
}

// The largest badge of the first club of the sample that has one.
DibImage FirstBadge(ScreenContext& c) {
    for (int number = 1; number <= 206; ++number) {
        CCountry* country = c.world->GetCountry(number);
        for (size_t i = 0; country != nullptr && i < country->GetClubCount(); ++i) {
            std::string name = country->GetClubByPosition(i)->GetBadgePattern();
            const size_t at = name.find("%d");
            if (at == std::string::npos) {
                continue;
            }
            name.replace(at, 2, "180");
            QFile file(QString::fromStdString(ResolvePath(c.install + "/badges/" + name)));
            if (!file.open(QIODevice::ReadOnly)) {
                continue;
            }
            const QByteArray bytes = file.readAll();
            DibImage dib;
            if (TgaToBmp(reinterpret_cast<const uint8_t*>(bytes.constData()),
                         static_cast<size_t>(bytes.size()), dib)) {
                return dib;
            }
        }
    }
    return DibImage();
}

// A badge of the sample, and a drawn picture on white, both shown with white as transparent.
std::unique_ptr<QWidget> Picture(ScreenContext& c) {
    auto dialog = HostDialog(c.Pick("Эмблема", "Badge"));
    auto* layout = new QHBoxLayout(dialog.get());
    auto* badge = new CShowBitmap(dialog.get());
    badge->SetPicture(FirstBadge(c));
    QImage drawn(120, 120, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(200, 16, 46));
        painter.setPen(QPen(QColor(40, 40, 40), 3));
        painter.drawEllipse(QRect(15, 15, 90, 90));
    }
    auto* circle = new CShowBitmap(dialog.get());
    circle->SetPicture(drawn);
    for (CShowBitmap* shown : {badge, circle}) {
        shown->setMinimumSize(190, 190);
        layout->addWidget(shown);
    }
    return dialog;
}

std::unique_ptr<QWidget> SpinEdits(ScreenContext& c) {
    auto dialog = HostDialog(c.Pick("Числовые поля", "Number fields"));
    auto* form = new QFormLayout(dialog.get());
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* ability = new CSpinEditCtrl(dialog.get());
    ability->SetIntegerRange(1, 10);
    ability->SetValue(7);
    auto* factor = new CSpinEditCtrl(dialog.get());
    factor->SetDecimalRange(0.5, 3.0, 2, 0.05);
    factor->SetValue(1.25);
    auto* ranking = new CSpinEditCtrl(dialog.get());
    ranking->SetIntegerRange(100, 0);
    ranking->SetValue(150);
    ranking->ClampIntoRange();
    for (CSpinEditCtrl* spin : {ability, factor, ranking}) {
        spin->setFixedWidth(110);
    }
    form->addRow(c.Pick("Умение (1–10):", "Ability (1-10):"), ability);
    form->addRow(c.Pick("Множитель (0,5–3):", "Multiplier (0.5-3):"), factor);
    form->addRow(c.Pick("Место (100–0, было 150):", "Rank (100-0, was 150):"), ranking);
    dialog->resize(340, 150);
    return dialog;
}

std::unique_ptr<QWidget> GroupAndSlider(ScreenContext& c) {
    auto dialog = HostDialog(c.Pick("Группа и ползунок", "Group and slider"));
    auto* layout = new QVBoxLayout(dialog.get());
    auto* group = new CMyGroupBox(c.Pick("Сила состава", "Squad strength"), dialog.get());
    auto* groupLayout = new QGridLayout(group);
    groupLayout->setContentsMargins(12, 22, 12, 12);
    auto* slider = new CMySliderControl(Qt::Horizontal, group);
    slider->setRange(0, 100);
    slider->setValue(65);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    auto* value = new QLabel(QStringLiteral("65"), group);
    QObject::connect(slider, &QSlider::valueChanged, value,
                     [value](int v) { value->setText(QString::number(v)); });
    groupLayout->addWidget(new QLabel(c.Pick("Слабый", "Weak"), group), 0, 0);
    groupLayout->addWidget(slider, 0, 1);
    groupLayout->addWidget(new QLabel(c.Pick("Сильный", "Strong"), group), 0, 2);
    groupLayout->addWidget(value, 1, 1, Qt::AlignHCenter);
    layout->addWidget(group);
    auto* disabled = new CMyGroupBox(c.Pick("Заблокировано", "Locked"), dialog.get());
    auto* disabledLayout = new QHBoxLayout(disabled);
    disabledLayout->setContentsMargins(12, 22, 12, 12);
    auto* locked = new CMySliderControl(Qt::Horizontal, disabled);
    locked->setValue(30);
    disabledLayout->addWidget(new QLabel(c.Pick("Недоступно", "Not available"), disabled));
    disabledLayout->addWidget(locked, 1);
    disabled->setEnabled(false);
    layout->addWidget(disabled);
    dialog->resize(380, 220);
    return dialog;
}

std::unique_ptr<QWidget> InputBox(ScreenContext&) {
    auto box = std::make_unique<CDlgInputBox>(858, nullptr, 32);
    return box;
}

std::unique_ptr<QWidget> ErrorMessage(ScreenContext& c) {
    auto window = std::make_unique<CDlgErrorMessage>(nullptr, 798);
    for (int number = 1; number <= 18; ++number) {
        window->AddLine(c.Pick("Country%1.sav: нет прав на запись (Permission denied)",
                               "Country%1.sav: no permission to write (Permission denied)")
                            .arg(number));
    }
    window->Refresh();
    return window;
}

std::unique_ptr<QWidget> ErrorSingle(ScreenContext& c) {
    auto window = std::make_unique<CDlgErrorSingle>();
    window->SetHeadline(c.Pick("Файл клуба не прочитан", "The club file was not read"));
    window->SetMessage(c.Pick("В файле нет раздела клуба. Клуб остался без изменений.",
                              "The file holds no club section. The club was left as it was."));
    return window;
}

std::unique_ptr<QWidget> Splash(ScreenContext&) {
    auto splash = std::make_unique<CSplashWnd>();
    splash->SetMessage(UiText("framework.splash.loading"));
    return splash;
}

// The progress window during a real run: the work reports 48 of 120 clubs and waits until the
// picture is taken. Once it has reported, the clock jumps 37 seconds on, so the estimate shows.
QImage Progress(ScreenContext& c) {
    std::atomic<bool> reported{false};
    std::atomic<bool> grabbed{false};
    CDlgLongtimeOperation window(
        nullptr, [&reported] { return reported.load() ? int64_t{37000} : int64_t{0}; });
    CCountry* country = BusiestCountry(c);
    const std::string target = c.language == InterfaceLanguage::Russian
                                   ? "/home/modder/Документы/мир.tdb"
                                   : "/home/modder/Documents/world.tdb";
    auto work = [&](CLongtimeTask& task) {
        task.SetRange(0, 120);
        task.EnableCancel(true);
        for (int32_t i = 1; i <= 48; ++i) {
            CClub* club = nullptr;
            if (country != nullptr && country->GetClubCount() > 0) {
                club = country->GetClubByPosition(static_cast<size_t>(i) % country->GetClubCount());
            }
            const std::string name = club != nullptr ? ToUtf8(club->Name(0), ActiveCodePage()) : "";
            task.SetStatus(FormatString(CLongtimeExportWorld::kClubStatusEntry, name.c_str()));
            task.SetPosition(i);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        reported.store(true);
        while (!grabbed.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    };
    CLongtimeTask task(LoadString(CLongtimeExportWorld::kTitleEntry),
                       FormatString(CLongtimeExportWorld::kDescriptionEntry, target.c_str()), work);
    QImage image;
    auto take = [&] {
        if (!grabbed.load()) {
            image = window.grab().toImage();
            grabbed.store(true);
        }
    };
    QObject::connect(&window, &CDlgLongtimeOperation::updated, &window, [&] {
        if (window.BarValue() == 48 && !window.EstimateText().isEmpty()) {
            QTimer::singleShot(100, &window, take);
        }
    });
    // Never wait for ever: after 10 seconds the window is taken as it is.
    QTimer::singleShot(10000, &window, take);
    task.RunWithProgress(window, window.ModalLoop());
    return image;
}

const ScreenRegistration nestedPages("dialog_nested_pages", WidgetScreen(NestedPages));
const ScreenRegistration listBox("control_list_box", WidgetScreen(ListBox));
const ScreenRegistration colourList("control_colour_list", WidgetScreen(ColourList));
const ScreenRegistration databaseList("control_database_list", WidgetScreen(DatabaseList));
const ScreenRegistration picture("control_picture", WidgetScreen(Picture));
const ScreenRegistration spinEdits("control_spin_edits", WidgetScreen(SpinEdits));
const ScreenRegistration groupAndSlider("control_group_slider", WidgetScreen(GroupAndSlider));
const ScreenRegistration inputBox("input_box", WidgetScreen(InputBox));
const ScreenRegistration errorMessage("error_message", WidgetScreen(ErrorMessage));
const ScreenRegistration errorSingle("error_single", WidgetScreen(ErrorSingle));
const ScreenRegistration progress("progress", Progress);
const ScreenRegistration splash("splash", WidgetScreen(Splash));

} // namespace

} // namespace tallo::screens
