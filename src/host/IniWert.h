#pragma once
// Reading ini values as text. QSettings reads an unquoted value with commas as
// a list; the host's ini values are plain texts, so the parts are joined again.

#include <QSettings>
#include <QString>

inline QString IniText(const QSettings& ini, const QString& schluessel) {
    const QVariant v = ini.value(schluessel);
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}
