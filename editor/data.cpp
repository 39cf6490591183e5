#include "editor/data.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

constexpr qsizetype pojemnosc_daty = 10;

QString ze_zmienionym_rokiem(QString format) {
    if (!format.contains(u"yyyy"_qs)) format.replace(QRegularExpression(u"y+"_qs), u"yyyy"_qs);
    return format;
}

}  // namespace

QString format_daty() {
    QString format = ze_zmienionym_rokiem(QLocale::system().dateFormat(QLocale::ShortFormat));
    // Month names or long day names would not fit the record's 10 characters.
    if (format.contains(u"MMM"_qs) || format.contains(u"ddd"_qs) ||
        QLocale::system().toString(QDate(2000, 12, 28), format).size() > pojemnosc_daty)
        format = u"yyyy-MM-dd"_qs;
    return format;
}

QString tekst_daty(QDate data) { return QLocale::system().toString(data, format_daty()); }

std::optional<QDate> czytaj_date(const QString& tekst) {
    const QString t = tekst.trimmed();
    if (t.isEmpty()) return std::nullopt;
    for (const QString& format : {format_daty(), u"dd.MM.yyyy"_qs, u"yyyy-MM-dd"_qs}) {
        const QDate d = QLocale::system().toDate(t, format);
        if (d.isValid()) return d;
        const QDate c = QDate::fromString(t, format);
        if (c.isValid()) return c;
    }
    return std::nullopt;
}
