// Runs a built program as its own process in a temporary folder, with the window probe loaded
// into it, and collects what the probe saw.
#ifndef LIREX_TESTS_PROGRAM_RUNNER_H_
#define LIREX_TESTS_PROGRAM_RUNNER_H_

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace lirex {

struct ProgramRun {
  int exit_code = -1;
  bool finished = false;
  QString boxes;   // what LIREX_PROBE_BOXES recorded
  QString report;  // what LIREX_PROBE_REPORT recorded
  QString output;  // standard output
  QString errors;  // standard error
};

class ProgramFolder {
 public:
  // Copies a built file into the folder, under another name when given.
  bool Add(const QString& built_file, const QString& name = {}) {
    const QString target =
        folder_.filePath(name.isEmpty() ? QFileInfo(built_file).fileName() : name);
    return QFile::copy(built_file, target) &&
           QFile::setPermissions(target, QFile::permissions(built_file));
  }

  bool Write(const QString& name, const QByteArray& bytes) {
    QFile file(folder_.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
  }

  QString Path(const QString& name) const { return folder_.filePath(name); }

  // `click`: the object name of a button to click right after the first paint.
  ProgramRun Run(const QString& program, bool exit_after_paint, const QString& click = {},
                 const QStringList& arguments = {},
                 const QProcessEnvironment& extra = QProcessEnvironment()) const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QTWEBENGINE_DISABLE_SANDBOX");
    environment.insert(extra);
    environment.remove("LD_LIBRARY_PATH");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("LD_PRELOAD", LIREX_PROBE_LIBRARY);
    environment.insert("LIREX_PROBE_BOXES", Path("boxes.txt"));
    environment.insert("LIREX_PROBE_REPORT", Path("report.txt"));
    if (exit_after_paint) environment.insert("LIREX_PROBE_EXIT_AFTER_PAINT", "1");
    if (!click.isEmpty()) environment.insert("LIREX_PROBE_CLICK", click);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QDir::tempPath());
    process.start(Path(program), arguments);
    ProgramRun run;
    run.finished = process.waitForFinished(60000);
    if (!run.finished) process.kill();
    run.exit_code = process.exitCode();
    run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    run.boxes = ReadAll(Path("boxes.txt"));
    run.report = ReadAll(Path("report.txt"));
    return run;
  }

 private:
  static QString ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  QTemporaryDir folder_;
};

inline QString Built(const QString& name) { return QStringLiteral(LIREX_OUT_DIR "/") + name; }

}  // namespace lirex

#endif  // LIREX_TESTS_PROGRAM_RUNNER_H_
