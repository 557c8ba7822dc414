#include "editors/framework/spin_edit_ctrl.h"

#include <QHBoxLayout>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "editors/framework/my_spin.h"
#include "editors/framework/qt_text.h"
#include "editors/framework/spin_range.h"

namespace tallo {

namespace {

// A decimal as strtod reads it in the C locale, taking "," for "." as well; 0 without a number.
double ReadDecimal(const QString& text) {
    std::string bytes = FromQString(text.left(63));
    std::replace(bytes.begin(), bytes.end(), ',', '.');
    const char* begin = bytes.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

int32_t ToInt32(double value) {
    if (!(value > std::numeric_limits<int32_t>::min())) {
        return std::numeric_limits<int32_t>::min();
    }
    if (!(value < std::numeric_limits<int32_t>::max())) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(std::lround(value));
}

} // namespace

CSpinEditCtrl::CSpinEditCtrl(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), spin_(new CMySpin(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(edit_, 1);
    layout->addWidget(spin_);
    edit_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setFocusProxy(edit_);
    // The arrows are as high as the field, not higher, and the control keeps that height.
    spin_->setFixedHeight(edit_->sizeHint().height());
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    SetIntegerRange(0, 100);
    connect(spin_, &CMySpin::stepped, this, [this](int direction) {
        if (IsDecimal()) {
            StepDecimal(direction);
        }
        emit valueChanged();
    });
    connect(edit_, &QLineEdit::textEdited, this, [this] { emit valueChanged(); });
    connect(edit_, &QLineEdit::editingFinished, this, [this] {
        if (ClampIntoRange()) {
            emit valueChanged();
        }
    });
}

void CSpinEditCtrl::SetIntegerRange(int32_t first, int32_t second) {
    decimals_ = 0;
    first_ = first;
    second_ = second;
    step_ = 1;
    spin_->SetRange(first, second);
    spin_->SetBuddy(edit_);
}

void CSpinEditCtrl::SetDecimalRange(double first, double second, int decimals, double step) {
    decimals_ = std::clamp(decimals, 1, 6);
    first_ = first;
    second_ = second;
    step_ = step > 0 ? step : std::pow(10.0, -decimals_);
    // The arrows only announce their steps; this control moves the decimal itself.
    spin_->SetBuddy(nullptr);
    spin_->SetRange(ToInt32(std::floor(std::min(first, second))),
                    ToInt32(std::ceil(std::max(first, second))));
}

int32_t CSpinEditCtrl::IntegerValue() const {
    return IsDecimal() ? ToInt32(DecimalValue()) : ReadSpinInteger(FromQString(edit_->text()));
}

double CSpinEditCtrl::DecimalValue() const {
    return IsDecimal() ? ReadDecimal(edit_->text()) : IntegerValue();
}

void CSpinEditCtrl::SetValue(double value) {
    edit_->setText(IsDecimal() ? FormatDecimal(value) : QString::number(ToInt32(value)));
}

bool CSpinEditCtrl::ClampIntoRange() {
    if (!IsDecimal()) {
        return ClampToSpinRange(*edit_, *spin_);
    }
    const double low = std::min(first_, second_);
    const double high = std::max(first_, second_);
    const double value = DecimalValue();
    if (value >= low && value <= high) {
        return false;
    }
    edit_->setText(FormatDecimal(value < low ? low : high));
    return true;
}

void CSpinEditCtrl::StepDecimal(int direction) {
    const double towardsSecond = second_ >= first_ ? 1.0 : -1.0;
    const double next = DecimalValue() + (direction > 0 ? towardsSecond : -towardsSecond) * step_;
    edit_->setText(
        FormatDecimal(std::clamp(next, std::min(first_, second_), std::max(first_, second_))));
}

QString CSpinEditCtrl::FormatDecimal(double value) const {
    return QString::number(value, 'f', decimals_);
}

} // namespace tallo
