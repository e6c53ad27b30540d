#include "core/RegFile.h"
#include "core/RegFileRegistry.h"
#include "platform/RegFileStorage.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using quillon::RegFile;
using quillon::RegFileRegistry;
using quillon::RegFileStorage;

namespace {

constexpr const char* settingsKey = "\\Software\\marrowkit\\quillon\\Settings";
constexpr const char* settingsPath = "Software\\marrowkit\\quillon\\Settings";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

mode_t modeOf(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

pid_t startChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        int status = 99;
        try {
            status = body();
        } catch (...) {
        }
        ::_exit(status);
    }
    return child;
}

// The child's exit status, or -1 when it did not exit normally.
int exitStatus(pid_t child) {
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

int inChild(const std::function<int()>& body) {
    return exitStatus(startChild(body));
}

std::optional<std::string> replacedWith(const std::string& text) {
    return text;
}

class EnvironmentRestorer {
public:
    explicit EnvironmentRestorer(const char* name)
        : name_(name), had_(std::getenv(name) != nullptr), value_(had_ ? std::getenv(name) : "") {}
    ~EnvironmentRestorer() {
        if (had_)
            ::setenv(name_, value_.c_str(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    std::string value_;
};

} // namespace

class RegFileStorageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::string path(const char* relative) const {
        return QDir(folder_->path()).filePath(relative).toStdString();
    }
    QStringList entries(const char* relative) const {
        return QDir(QString::fromStdString(path(relative)))
            .entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
    }

    void cleanup() { folder_.reset(); }

    void aNewFileIsPrivateInANewPrivateFolder() {
        const std::string file = path("config/quillon/registry.reg");
        RegFileStorage storage(file);
        QCOMPARE(storage.load(), std::nullopt);

        bool sawNoFile = false;
        QVERIFY(storage.update([&](const std::optional<std::string>& current) {
            sawNoFile = !current;
            return replacedWith("first");
        }));
        QVERIFY(sawNoFile);
        QCOMPARE(readFile(file), "first");
        QCOMPARE(modeOf(file), mode_t(0600));
        QCOMPARE(modeOf(path("config")), mode_t(0700));
        QCOMPARE(modeOf(path("config/quillon")), mode_t(0700));
        QCOMPARE(storage.load(), std::optional<std::string>("first"));
        QCOMPARE(entries("config/quillon"), QStringList({"registry.reg", "registry.reg.lock"}));
    }

    void anExistingFileKeepsItsModeAndANullChangeWritesNothing() {
        const std::string file = path("registry.reg");
        writeFile(file, "old");
        ::chmod(file.c_str(), 0640);
        RegFileStorage storage(file);
        QVERIFY(storage.update([](const std::optional<std::string>& current) {
            return replacedWith(current.value_or("") + "+new");
        }));
        QCOMPARE(readFile(file), "old+new");
        QCOMPARE(modeOf(file), mode_t(0640));

        struct stat before {};
        ::stat(file.c_str(), &before);
        QVERIFY(storage.update([](const auto&) { return std::optional<std::string>(); }));
        struct stat after {};
        ::stat(file.c_str(), &after);
        QCOMPARE(after.st_ino, before.st_ino);
    }

    void defaultPathFollowsXdgConfigHome_data() {
        QTest::addColumn<QString>("configHome");
        QTest::addColumn<bool>("configHomeSet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("absolute") << "/cfg" << true << "/cfg/quillon/registry.reg";
        QTest::newRow("trailing slash") << "/cfg/" << true << "/cfg/quillon/registry.reg";
        QTest::newRow("empty") << "" << true << "/home/someone/.config/quillon/registry.reg";
        QTest::newRow("relative") << "cfg" << true << "/home/someone/.config/quillon/registry.reg";
        QTest::newRow("unset") << "" << false << "/home/someone/.config/quillon/registry.reg";
    }

    void defaultPathFollowsXdgConfigHome() {
        QFETCH(QString, configHome);
        QFETCH(bool, configHomeSet);
        QFETCH(QString, expected);
        EnvironmentRestorer restoreHome("HOME");
        EnvironmentRestorer restoreConfigHome("XDG_CONFIG_HOME");
        ::setenv("HOME", "/home/someone", 1);
        if (configHomeSet)
            ::setenv("XDG_CONFIG_HOME", configHome.toUtf8().constData(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        QCOMPARE(QString::fromStdString(RegFileStorage::defaultPath()), expected);
    }

    void anUnwritableFolderFailsAndLeavesTheOldFile() {
        // The child gives up root, which would write anyway, and must reach the folder.
        QVERIFY(::chmod(folder_->path().toUtf8().constData(), 0755) == 0);
        const std::string store = path("store");
        const std::string file = store + "/registry.reg";
        QVERIFY(::mkdir(store.c_str(), 0755) == 0);
        writeFile(file, "old");
        writeFile(file + ".lock", "");
        ::chmod(file.c_str(), 0644);
        ::chmod((file + ".lock").c_str(), 0666);
        ::chmod(store.c_str(), 0555);

        const int result = inChild([&] {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                return 3;
            RegFileStorage storage(file);
            bool changeSawOld = false;
            const bool stored = storage.update([&](const std::optional<std::string>& current) {
                changeSawOld = current == "old";
                return replacedWith("new");
            });
            return stored ? 1 : changeSawOld ? 0 : 2;
        });
        ::chmod(store.c_str(), 0755);
        QCOMPARE(result, 0);
        QCOMPARE(readFile(file), "old");
        QCOMPARE(entries("store"), QStringList({"registry.reg", "registry.reg.lock"}));
    }

    void aFailedWriteRemovesTheTemporaryFile() {
        const std::string file = path("registry.reg");
        writeFile(file, "old");
        const int result = inChild([&] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{4096, 4096};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 3;
            RegFileStorage storage(file);
            const bool stored =
                storage.update([](const auto&) { return replacedWith(std::string(100000, 'x')); });
            return stored ? 1 : 0;
        });
        QCOMPARE(result, 0);
        QCOMPARE(readFile(file), "old");
        QCOMPARE(entries(""), QStringList({"registry.reg", "registry.reg.lock"}));
    }

    void aFileThatCannotBeReadIsAnError() {
        const std::string file = path("registry.reg");
        QVERIFY(::mkdir(file.c_str(), 0700) == 0);
        RegFileStorage storage(file);
        QVERIFY_THROWS_EXCEPTION(quillon::StorageError, storage.load());
        bool changed = false;
        QVERIFY(!storage.update([&](const auto&) {
            changed = true;
            return replacedWith("x");
        }));
        QVERIFY(!changed);
    }

    void twoProcessesWritingAtOnceLoseNothing() {
        const std::string file = path("registry.reg");
        constexpr int writesEach = 150;
        const auto writer = [&](const char* prefix) {
            return [&file, prefix] {
                RegFileStorage storage(file);
                RegFileRegistry registry(storage);
                if (!registry.OpenKey(settingsKey, true))
                    return 2;
                for (int i = 0; i < writesEach; ++i)
                    registry.WriteInteger(prefix + std::to_string(i), i);
                return 0;
            };
        };
        const pid_t first = startChild(writer("a"));
        const pid_t second = startChild(writer("b"));
        QCOMPARE(exitStatus(first), 0);
        QCOMPARE(exitStatus(second), 0);

        const auto stored = RegFile::parse(readFile(file));
        QVERIFY(stored);
        for (const char* prefix : {"a", "b"}) {
            for (int i = 0; i < writesEach; ++i) {
                const std::string name = prefix + std::to_string(i);
                const auto* value = stored->value(settingsPath, name);
                QVERIFY2(value, name.c_str());
                QCOMPARE(value->dword, std::uint32_t(i));
            }
        }
    }

    void aReadSeesAFileRewrittenByAnotherProcess() {
        const std::string file = path("registry.reg");
        RegFileStorage storage(file);
        RegFileRegistry registry(storage);
        QVERIFY(registry.OpenKey(settingsKey, true));
        registry.WriteString("Font", "Arial");
        QCOMPARE(registry.ReadString("Font"), "Arial");

        QCOMPARE(inChild([&] {
                     writeFile(file, "Windows Registry Editor Version 5.00\n\n"
                                     "[HKEY_CURRENT_USER\\Software\\marrowkit\\quillon\\Settings]\n"
                                     "\"Font\"=\"Courier\"\n");
                     return 0;
                 }),
                 0);
        QCOMPARE(registry.ReadString("Font"), "Courier");
    }
};

QTEST_APPLESS_MAIN(RegFileStorageTest)
#include "reg_file_storage_test.moc"
