#include "editors/framework/dlg_error_single.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "editors/framework/my_group_box.h"
#include "editors/framework/qt_text.h"

namespace tallo {

CDlgErrorSingle::CDlgErrorSingle(QWidget* parent)
    : CDialogB(parent), headline_(new QLabel(this)), message_(new QLabel(this)) {
    setWindowTitle(UiText("framework.error.single.caption"));

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QFont headlineFont = font();
    headlineFont.setPointSizeF(headlineFont.pointSizeF() * 1.15);
    headline_->setFont(headlineFont);
    for (QLabel* label : {headline_, message_}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setVisible(false);
    }

    auto* group = new CMyGroupBox(QString(), this);
    auto* groupLayout = new QHBoxLayout(group);
    groupLayout->setContentsMargins(12, 12, 12, 12);
    groupLayout->setSpacing(12);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(6);
    texts->addWidget(headline_);
    texts->addWidget(message_);
    texts->addStretch(1);
    groupLayout->addWidget(icon);
    groupLayout->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(UiText("framework.button.ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDialogB::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(group, 1);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

void CDlgErrorSingle::SetHeadline(const QString& headline) {
    headline_->setText(headline);
    headline_->setVisible(!headline.isEmpty());
}

void CDlgErrorSingle::SetMessage(const QString& message) {
    message_->setText(message);
    message_->setVisible(!message.isEmpty());
}

QString CDlgErrorSingle::Headline() const {
    return headline_->text();
}

QString CDlgErrorSingle::Message() const {
    return message_->text();
}

} // namespace tallo
