#include "register/data.h"

#include <QLocale>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype pojemnosc_daty = 10;

QString ze_zmienionym_rokiem(QString format) {
    if (!format.contains(u"yyyy"_s)) format.replace(QRegularExpression(u"y+"_s), u"yyyy"_s);
    return format;
}

}  // namespace

QString format_daty() {
    QString format = ze_zmienionym_rokiem(QLocale::system().dateFormat(QLocale::ShortFormat));
    // Month names or long day names would not fit the record's 10 characters.
    if (format.contains(u"MMM"_s) || format.contains(u"ddd"_s) ||
        QLocale::system().toString(QDate(2000, 12, 28), format).size() > pojemnosc_daty)
        format = u"yyyy-MM-dd"_s;
    return format;
}

QString tekst_daty(QDate data) { return QLocale::system().toString(data, format_daty()); }

std::optional<QDate> czytaj_date(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (const QString& format :
         {format_daty(), u"dd.MM.yyyy"_s, u"d.M.yyyy"_s, u"yyyy-MM-dd"_s, u"ddMMyyyy"_s}) {
        const QDate d = QLocale::system().toDate(t, format);
        if (d.isValid()) return d;
        const QDate c = QDate::fromString(t, format);
        if (c.isValid()) return c;
    }
    return std::nullopt;
}
