#pragma once

#include <QWidget>

#include <cstdint>

class QLineEdit;

namespace tallo {

class CMySpin;

// An edit field holding a number with its spin arrows: a whole number, or a decimal with a
// fixed count of places. The arrows step it within the range (given in either order); when
// the field is left, a number outside the range is set to the nearer end.
class CSpinEditCtrl : public QWidget {
    Q_OBJECT

public:
    explicit CSpinEditCtrl(QWidget* parent = nullptr);

    // Whole numbers (the default).
    void SetIntegerRange(int32_t first, int32_t second);
    // Decimals with `decimals` places (1 to 6), stepped by `step`.
    void SetDecimalRange(double first, double second, int decimals, double step);
    bool IsDecimal() const { return decimals_ > 0; }
    int Decimals() const { return decimals_; }
    double RangeFirst() const { return first_; }
    double RangeSecond() const { return second_; }

    // The number shown: read as the C library reads it (an integer, or a decimal with "." or
    // ","); 0 when the text holds no number.
    int32_t IntegerValue() const;
    double DecimalValue() const;
    void SetValue(double value);

    // Sets a number outside the range to the nearer end; true when the text changed.
    bool ClampIntoRange();

    QLineEdit& Edit() const { return *edit_; }
    CMySpin& Spin() const { return *spin_; }

signals:
    void valueChanged();

private:
    void StepDecimal(int direction);
    QString FormatDecimal(double value) const;

    QLineEdit* edit_;
    CMySpin* spin_;
    int decimals_ = 0;
    double first_ = 0;
    double second_ = 100;
    double step_ = 1;
};

} // namespace tallo
