#include "calc/capacityinputs.h"

#include "data/capacityformulas.h"

#include <QVector>

#include <cmath>

namespace {

using namespace DiskSizeLimits;

// Digits the whole part of a size can have: those of the largest.
constexpr int kWholeDigits = 5;
static_assert(Largest < 100000 && Largest >= 10000);

// A total below this in absolute value means there is nothing to record.
constexpr double kZeroBitrate = 1e-06;

bool isZeroBitrate(double totalBitrate)
{
    return -kZeroBitrate < totalBitrate && totalBitrate < kZeroBitrate;
}

} // namespace

RecordTimeText recordTimeResult(double totalBitrate, double diskSize, DiskUnit unit, int hoursPerDay)
{
    const RecordTimeText none{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    const double diskSizeGB = unit == DiskUnit::TB ? diskSize * 1000.0 : diskSize;
    if (isZeroBitrate(totalBitrate) || hoursPerDay == 0)
        return none;
    return toRecordTimeResult(CapacityFormulas::recordHours(totalBitrate, diskSizeGB), hoursPerDay);
}

DiskSizeReading readDiskSize(const QString &text, DiskUnit unit, const QLocale &locale)
{
    const QString decimalPoint = locale.decimalPoint();
    const QString groupText = locale.groupSeparator();
    const auto isDecimalPoint = [&decimalPoint](QChar c) {
        return c == QLatin1Char('.') || (decimalPoint.size() == 1 && c == decimalPoint.at(0));
    };
    // A separator that also separates decimals is one of those.
    const QChar group = groupText.size() == 1 && !isDecimalPoint(groupText.at(0)) ? groupText.at(0) : QChar();

    const DiskSizeReading invalid{DiskSizeTextState::Invalid, 0.0};
    qint64 whole = 0;
    int wholeDigits = 0;
    qint64 fraction = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    // Digits in each group of the whole part, when it is grouped.
    QVector<int> groups{0};
    bool grouped = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (i == 0 && c == QLatin1Char('+'))
            continue;
        if (c.isDigit()) {
            if (inFraction) {
                // Decimals in GB are read as in TB, so that the text stays as
                // typed, and are then found wanting: a GB figure is whole.
                if (++fractionDigits > TBDecimals)
                    return invalid;
                fraction = fraction * 10 + c.digitValue();
            } else {
                if (++wholeDigits > kWholeDigits)
                    return invalid;
                whole = whole * 10 + c.digitValue();
                ++groups.last();
            }
        } else if (isDecimalPoint(c)) {
            if (inFraction)
                return invalid;
            inFraction = true;
        } else if (!group.isNull() && c == group && !inFraction) {
            grouped = true;
            groups.append(0);
        } else {
            return invalid;
        }
    }
    qint64 scale = 1;
    for (int i = fractionDigits; i < TBDecimals; ++i)
        scale *= 10;
    const qint64 thousandths = whole * Thousandths + fraction * scale;
    if (thousandths > qint64(Largest) * Thousandths)
        return invalid;
    bool wellGrouped = true;
    if (grouped) {
        wellGrouped = groups.first() >= 1 && groups.first() <= 3;
        for (qsizetype i = 1; i < groups.size(); ++i)
            wellGrouped = wellGrouped && groups.at(i) == 3;
    }
    // "7,5" in a language that groups with a comma is no 75: it waits for
    // the digits that make it a grouped number, and reads as 0 till then.
    if (wholeDigits + fractionDigits == 0 || !wellGrouped || (inFraction && unit == DiskUnit::GB))
        return {DiskSizeTextState::Intermediate, 0.0};
    return {DiskSizeTextState::Acceptable, double(thousandths) / Thousandths};
}

QString diskSizeFieldText(double size, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString zero = locale.zeroDigit();
    QString text = plain.toString(fieldDiskSize(size, DiskUnit::TB), 'f', TBDecimals);
    while (text.endsWith(zero))
        text.chop(zero.size());
    if (text.endsWith(locale.decimalPoint()))
        text.chop(locale.decimalPoint().size());
    return text.isEmpty() ? zero : text;
}

int recordHoursOf(int count, PeriodUnit unit, int hoursPerDay)
{
    switch (unit) {
    case PeriodUnit::Day:
        return count * hoursPerDay;
    case PeriodUnit::Week:
        return count * 7 * hoursPerDay;
    case PeriodUnit::Month:
        break;
    }
    return count * 30 * hoursPerDay;
}

DiskSizeText diskSizeResult(double totalBitrate, int count, PeriodUnit unit, int hoursPerDay)
{
    // Tested apart, as the time is: a total just above 0 would round up to 1 GB.
    if (isZeroBitrate(totalBitrate))
        return toDiskSizeResult(0.0);
    return toDiskSizeResult(
        CapacityFormulas::diskSize(totalBitrate, recordHoursOf(count, unit, hoursPerDay)));
}

double gigabytesPerDay(double totalBitrate, int hoursPerDay)
{
    return CapacityFormulas::diskSize(totalBitrate, hoursPerDay);
}
