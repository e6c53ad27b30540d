#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quillon::test {

// A file's bytes, or "<missing>" when it cannot be read.
QByteArray fileBytes(const QString& path);
// Writes a file whole; false when it cannot.
bool writeBytes(const QString& path, const QByteArray& bytes);
// The text of a settings store holding `values` ("name"=… lines) under the program's key.
QByteArray storeWith(const QByteArray& values);
// The main window's compiler submenus that are enabled, by name.
QStringList enabledSubmenus();

} // namespace quillon::test
