#include "editors/framework/dlg_error_message.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"

namespace tallo {

namespace {

QString WithoutFinalLineEnd(const QString& text) {
    return text.endsWith(QLatin1Char('\n')) ? text.chopped(1) : text;
}

} // namespace

CDlgErrorMessage::CDlgErrorMessage(QWidget* parent, int headlineEntry, int messageEntry)
    : CDialogB(parent), headlineLabel_(new QLabel(this)), messageView_(new QPlainTextEdit(this)),
      copyButton_(new QPushButton(UiText("framework.button.copy"), this)) {
    setWindowTitle(UiText("framework.error.caption"));
    if (headlineEntry != 0) {
        headline_ = NumberedText(headlineEntry);
    }
    if (messageEntry != 0) {
        message_ = NumberedText(messageEntry);
    }

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QFont headlineFont = font();
    headlineFont.setPointSizeF(headlineFont.pointSizeF() * 1.15);
    headlineLabel_->setFont(headlineFont);
    headlineLabel_->setWordWrap(true);
    headlineLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    messageView_->setReadOnly(true);
    messageView_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    messageView_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    QFont messageFont = font();
    messageFont.setWeight(QFont::Normal);
    messageView_->setFont(messageFont);

    auto* group = new CMyGroupBox(QString(), this);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->setContentsMargins(12, 12, 12, 12);
    groupLayout->setSpacing(12);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(8);
    texts->addWidget(headlineLabel_);
    texts->addWidget(messageView_, 1);
    groupLayout->addWidget(icon);
    groupLayout->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(UiText("framework.button.ok"));
    buttons->button(QDialogButtonBox::Cancel)->setText(UiText("framework.button.cancel"));
    buttons->addButton(copyButton_, QDialogButtonBox::ActionRole);
    copyButton_->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogB::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDialogB::reject);
    connect(copyButton_, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(FullText()); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(group, 1);
    layout->addWidget(buttons);
    resize(520, 340);
    Refresh();
}

void CDlgErrorMessage::SetHeadline(const QString& headline) {
    headline_ = headline;
}

void CDlgErrorMessage::SetHeadlineEntry(int entry) {
    headline_ = entry != 0 ? NumberedText(entry) : QString();
}

void CDlgErrorMessage::AddLine(int entry) {
    AddLine(NumberedText(entry));
}

void CDlgErrorMessage::AddLine(const QString& text) {
    message_ += text;
    message_ += QLatin1Char('\n');
}

void CDlgErrorMessage::AddText(const QString& text) {
    message_ += text;
}

QString CDlgErrorMessage::FullText() const {
    QString text = headline_;
    if (!text.isEmpty() && !message_.isEmpty()) {
        text += QStringLiteral("\n\n");
    }
    return text + WithoutFinalLineEnd(message_);
}

void CDlgErrorMessage::Refresh() {
    headlineLabel_->setText(headline_);
    headlineLabel_->setVisible(!headline_.isEmpty());
    messageView_->setPlainText(WithoutFinalLineEnd(message_));
}

void CDlgErrorMessage::showEvent(QShowEvent* event) {
    Refresh();
    CDialogB::showEvent(event);
}

} // namespace tallo
