#include "common/Numbers.h"

#include "common/Text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace common {

namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}
} // namespace

double Arrotonda(double x, int n) {
    long double f = 1;
    for (int i = 0; i < n; ++i)
        f *= 10;
    // Rounded on the magnitude, so -2.5 gives -3 as 2.5 gives 3.
    const long double magnitude = std::fabs(static_cast<long double>(x));
    const long double r = std::trunc(magnitude * f + 0.5L) / f;
    return static_cast<double>(std::signbit(x) ? -r : r);
}

QString FormatoGenerale(double x) {
    if (std::isnan(x))
        return QStringLiteral("NAN");
    if (std::isinf(x))
        return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (x == 0)
        return QStringLiteral("0");
    // 15 significant digits: d.dddddddddddddde±x, independent of the locale.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const auto ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    const int exponent = std::stoi(sci.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = x < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -5) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += ',' + digits.substr(1);
        out += 'E' + std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0," + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto whole = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole) + ',' + digits.substr(whole);
        }
    }
    return QString::fromLatin1(out.data(), static_cast<qsizetype>(out.size()));
}

bool LeggiNumero(QStringView text, double& value) {
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    std::string c;
    if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        c += text.at(i++) == QLatin1Char('-') ? "-" : "";
    std::string whole, fraction;
    while (i < n && isDigit(text.at(i)))
        whole += char(text.at(i++).unicode());
    bool comma = false;
    if (i < n && text.at(i) == QLatin1Char(',')) {
        comma = true;
        ++i;
        while (i < n && isDigit(text.at(i)))
            fraction += char(text.at(i++).unicode());
    }
    if (whole.empty() && !comma)
        return false;
    c += (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    if (i < n && (text.at(i) == QLatin1Char('E') || text.at(i) == QLatin1Char('e'))) {
        ++i;
        std::string exponent = "e";
        if (i < n && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            exponent += text.at(i++) == QLatin1Char('-') ? "-" : "";
        const qsizetype start = i;
        while (i < n && isDigit(text.at(i)))
            exponent += char(text.at(i++).unicode());
        if (i == start)
            return false;
        c += exponent;
    }
    while (i < n && text.at(i) == QLatin1Char(' '))
        ++i;
    if (i != n)
        return false;
    double v = 0;
    const auto res = std::from_chars(c.data(), c.data() + c.size(), v);
    if (res.ec != std::errc() || res.ptr != c.data() + c.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

QString NormalizzaImporto(const QString& text) {
    const QString zero = QStringLiteral("0,00");
    if (Trim(text).isEmpty())
        return zero;
    double v = 0;
    if (!LeggiNumero(text, v))
        return zero;
    QString s = FormatoGenerale(Arrotonda(v, 4));
    if (s.isEmpty() || !(s.at(0) == QLatin1Char('-') || isDigit(s.at(0))))
        return zero;
    if (!s.contains(QLatin1Char(',')))
        s += QStringLiteral(",00");
    if (s.size() >= 2 && s.at(s.size() - 2) == QLatin1Char(',') && isDigit(s.back()))
        s += QLatin1Char('0');
    return s;
}

QDate LeggiData(const QString& text) {
    const QString t = Trim(text);
    if (t.size() != 10 || t.at(2) != QLatin1Char('/') || t.at(5) != QLatin1Char('/'))
        return QDate();
    const QString day = t.left(2), month = t.mid(3, 2), year = t.mid(6, 4);
    if (!IsNumeric(day) || !IsNumeric(month) || !AnnoValido(year))
        return QDate();
    return QDate(year.toInt(), month.toInt(), day.toInt());
}

bool DataValida(const QString& text) {
    return LeggiData(text).isValid();
}

bool AnnoValido(const QString& text) {
    return text.size() == 4 && IsNumeric(text);
}

} // namespace common
