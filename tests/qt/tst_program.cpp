// Starts the real program binary with a B-file under the offscreen platform and checks
// what its main window shows: the title and the lines of the four lists; and without
// a platform to show a window on.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class ProgramTest : public QObject {
    Q_OBJECT

private:
    static QStringList snapshotOf(const QString& bfile, int* exitCode) {
        QTemporaryDir dir;
        const QString snapshot = dir.filePath(QStringLiteral("snapshot.txt"));
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("ARDEL_SNAPSHOT"), snapshot);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ARDEL_BINARY), {bfile});
        if (!program.waitForFinished(30000)) {
            program.kill();
            program.waitForFinished();
            return {};
        }
        *exitCode = program.exitCode();
        QFile file(snapshot);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The environment of a program whose settings and data stay in `dir`.
    static QProcessEnvironment environmentIn(const QTemporaryDir& dir) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        return environment;
    }

    static QStringList recoveryFiles(const QTemporaryDir& dir) {
        QStringList files;
        QDirIterator it(dir.filePath(QStringLiteral("data")), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            files << it.next();
        }
        return files;
    }

    static QByteArray bytesOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Runs the program to its end with these settings added; its standard output.
    static QByteArray runToEnd(const QTemporaryDir& dir, const QStringList& settings, const QStringList& arguments,
                               int* exitCode) {
        QProcess program;
        QProcessEnvironment environment = environmentIn(dir);
        for (const QString& setting : settings) {
            environment.insert(setting.section(QLatin1Char('='), 0, 0), setting.section(QLatin1Char('='), 1));
        }
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ARDEL_BINARY), arguments);
        if (!program.waitForFinished(30000)) {
            program.kill();
            program.waitForFinished();
        }
        *exitCode = program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -2;
        return program.readAllStandardOutput();
    }

private slots:
    // A changed project, the program killed before it was saved: the next start asks,
    // Yes gives the project back, and its save has the bytes a save before the kill
    // would have written. No copy is left behind.
    void recoversTheProjectOfAProgramKilledBySigkill() {
        QTemporaryDir dir;
        const QString example = QStringLiteral(ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl");
        const QString killed = dir.filePath(QStringLiteral("killed.bfl"));
        const QString saved = dir.filePath(QStringLiteral("saved.bfl"));
        QVERIFY(QFile::copy(example, killed));
        QVERIFY(QFile::copy(example, saved));
        const QString change = QStringLiteral("ARDEL_MENU=menu_Sort_StationsByName");

        QProcess first;
        QProcessEnvironment environment = environmentIn(dir);
        environment.insert(QStringLiteral("ARDEL_MENU"), QStringLiteral("menu_Sort_StationsByName"));
        environment.insert(QStringLiteral("ARDEL_RECOVERY_DELAY"), QStringLiteral("100"));
        first.setProcessEnvironment(environment);
        first.start(QStringLiteral(ARDEL_BINARY), {killed});
        QTRY_COMPARE_WITH_TIMEOUT(
            recoveryFiles(dir).filter(QRegularExpression(QStringLiteral("/recovery-[0-9]+\\.txt$"))).size(), 1, 20000);
        first.kill(); // SIGKILL
        QVERIFY(first.waitForFinished(10000));
        QCOMPARE(first.exitStatus(), QProcess::CrashExit);

        int exitCode = -1;
        const QString snapshot = dir.filePath(QStringLiteral("snapshot.txt"));
        const QByteArray shown =
            runToEnd(dir,
                     {QStringLiteral("ARDEL_ANSWER=Yes"), QStringLiteral("ARDEL_MENU=menu_File_Save"),
                      QStringLiteral("ARDEL_SNAPSHOT=") + snapshot},
                     {}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY2(shown.startsWith("message [Recover Project] Ardel ended without saving the project of " +
                                  killed.toLatin1() + ".\nDo you want to recover the unsaved project of " +
                                  killed.toLatin1() + " from "),
                 shown.constData());
        QVERIFY(bytesOf(snapshot).startsWith("title Ardel - Create B-File [" + killed.toLatin1() + "][unmodified]\n"));
        QVERIFY(recoveryFiles(dir).isEmpty());

        runToEnd(dir, {change + QStringLiteral(",menu_File_Save"), QStringLiteral("ARDEL_SNAPSHOT=") + snapshot},
                 {saved}, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY(bytesOf(saved) != bytesOf(example));
        QCOMPARE(bytesOf(killed), bytesOf(saved));
        QVERIFY(recoveryFiles(dir).isEmpty());
    }

    // Started in one folder with a relative name and killed; restarted in another folder
    // that holds a file of the same relative name: the recovered project is saved over
    // the file it was read from, and the other folder's file stays as it was.
    void recoversARelativeNameIntoTheFolderItWasGivenIn() {
        QTemporaryDir dir;
        const QString example = QStringLiteral(ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl");
        for (const char* folder : {"first/w", "second/w"}) {
            QVERIFY(QDir(dir.path()).mkpath(QLatin1String(folder)));
            QVERIFY(QFile::copy(example, dir.filePath(QLatin1String(folder) + QStringLiteral("/s.bfl"))));
        }
        QProcess first;
        QProcessEnvironment environment = environmentIn(dir);
        environment.insert(QStringLiteral("ARDEL_MENU"), QStringLiteral("menu_Sort_StationsByName"));
        environment.insert(QStringLiteral("ARDEL_RECOVERY_DELAY"), QStringLiteral("100"));
        first.setProcessEnvironment(environment);
        first.setWorkingDirectory(dir.filePath(QStringLiteral("first")));
        first.start(QStringLiteral(ARDEL_BINARY), {QStringLiteral("w/s.bfl")});
        QTRY_COMPARE_WITH_TIMEOUT(
            recoveryFiles(dir).filter(QRegularExpression(QStringLiteral("/recovery-[0-9]+\\.txt$"))).size(), 1, 20000);
        first.kill();
        QVERIFY(first.waitForFinished(10000));

        QProcess second;
        environment = environmentIn(dir);
        environment.insert(QStringLiteral("ARDEL_ANSWER"), QStringLiteral("Yes"));
        environment.insert(QStringLiteral("ARDEL_MENU"), QStringLiteral("menu_File_Save"));
        environment.insert(QStringLiteral("ARDEL_SNAPSHOT"), dir.filePath(QStringLiteral("snapshot.txt")));
        second.setProcessEnvironment(environment);
        second.setWorkingDirectory(dir.filePath(QStringLiteral("second")));
        second.start(QStringLiteral(ARDEL_BINARY), {QStringLiteral("w/s.bfl")});
        QVERIFY(second.waitForFinished(30000));
        const QByteArray original = bytesOf(example);
        const QByteArray saved = bytesOf(dir.filePath(QStringLiteral("first/w/s.bfl")));
        QVERIFY(second.readAllStandardOutput().contains(
            "the unsaved project of " + dir.filePath(QStringLiteral("first/w/s.bfl")).toLatin1() + " from "));
        QCOMPARE(bytesOf(dir.filePath(QStringLiteral("second/w/s.bfl"))), original);
        QVERIFY(!saved.isEmpty() && saved != original);
        QVERIFY(recoveryFiles(dir).isEmpty());
    }

    void showsTheFileNamedOnTheCommandLine() {
        const QString bfile = QStringLiteral(ARDEL_SOURCE_DIR "/examples/harbour_survey.bfl");
        int exitCode = -2;
        const QStringList lines = snapshotOf(bfile, &exitCode);
        QCOMPARE(exitCode, 0);
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines.first(),
                 QStringLiteral("title Ardel - Create B-File [") + bfile + QStringLiteral("][unmodified]"));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^lb_Stations "))).size(), 3);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^lb_Sessions "))).size(), 3);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^lb_Instruments "))).size(), 2);
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^lb_Antennas "))).size(), 2);
        QVERIFY(lines.contains(QStringLiteral("lb_Stations 0003  NORTH SHORE LIGHTHOUSE          LHSE0003NORTH SHORE "
                                              "LIGHTHOUSE        474455"
                                              "91230N122230144120W       WAA2")));
        QVERIFY(lines.contains(QStringLiteral("lb_Antennas 001   ASH700936D_M    SNOW        CR15930") +
                               QString(29, QLatin1Char(' '))));
    }

    // No platform to show a window on: the program ends with -1 after Qt's message
    // instead of aborting.
    void endsWithMinusOneWhenNoWindowCanBeShown() {
        QTemporaryDir dir;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(ARDEL_BINARY), {});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 255);
        QVERIFY(program.readAllStandardError().contains("no-such-platform"));
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "tst_program.moc"
