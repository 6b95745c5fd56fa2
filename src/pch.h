// Precompiled header: the Qt headers nearly every file needs.
#pragma once
#ifdef __cplusplus
#include <QString>
#include <QStringList>
#include <QList>
#include <QHash>
#include <QVariant>
#include <QObject>
#include <QWidget>
#include <QDialog>
#include <memory>
#include <functional>
#include <vector>
#endif
