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

private slots:
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
