#pragma once

#include <QString>
#include <QStringList>

// Runs SQL statements on an SQLite file, made when missing; a failing one
// fails the test.
void makeDatabase(const QString& path, const QStringList& statements);
