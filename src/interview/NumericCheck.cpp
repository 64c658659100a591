#include "interview/NumericCheck.h"

#include <limits>

namespace yrn {

namespace {

struct Parsed {
    bool negative = false;
    QString whole;     // digits before the point (may be empty)
    QString fraction;  // digits after the point (may be empty)
};

std::optional<Parsed> parse(const QString& text) {
    const QString t = text.trimmed();
    Parsed p;
    qsizetype i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        p.negative = t[i] == '-';
        ++i;
    }
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        p.whole += t[i++];
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            p.fraction += t[i++];
    }
    if (i != t.size() || (p.whole.isEmpty() && p.fraction.isEmpty())) return std::nullopt;
    return p;
}

}  // namespace

bool isNumeric(const QString& text) {
    return parse(text).has_value();
}

std::optional<qint64> roundedValue(const QString& text) {
    const auto p = parse(text);
    if (!p) return std::nullopt;
    QString whole = p->whole;
    while (whole.size() > 1 && whole.startsWith('0'))
        whole.remove(0, 1);
    if (whole.size() > 18) return std::nullopt;
    qint64 value = whole.isEmpty() ? 0 : whole.toLongLong();
    // Round half to even on the exact decimal fraction.
    const QString f = p->fraction;
    if (!f.isEmpty() && f[0] >= '5') {
        bool beyondHalf = f[0] > '5';
        for (qsizetype i = 1; !beyondHalf && i < f.size(); ++i)
            beyondHalf = f[i] != '0';
        if (beyondHalf || value % 2 == 1) ++value;
    }
    return p->negative ? -value : value;
}

std::optional<qint32> checkedValue(const QString& text) {
    const auto value = roundedValue(text);
    if (!value || *value < std::numeric_limits<qint32>::min() ||
        *value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(*value);
}

QString inputErrorText(qint32 minimum, qint32 maximum) {
    return "Invalid data range or type!\r\nMust be a numeric value between " +
           QString::number(minimum) + " and " + QString::number(maximum);
}

}  // namespace yrn
