#include "support/TestFiles.h"

#include "forms/Globals.h"
#include "forms/Unit1.h"

#include <QFile>

namespace quillon::test {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray storeWith(const QByteArray& values) {
    return "Windows Registry Editor Version 5.00\n\n"
           "[HKEY_CURRENT_USER\\Software\\marrowkit\\quillon\\Settings]\n" +
           values;
}

QStringList enabledSubmenus() {
    QStringList enabled;
    for (const char* name : {"Asembler1", "C1", "Pascal1", "BASIC1"}) {
        if (Form1->item(name)->isEnabled())
            enabled << QString::fromLatin1(name);
    }
    return enabled;
}

} // namespace quillon::test
