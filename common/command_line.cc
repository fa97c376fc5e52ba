#include "common/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstdlib>

namespace lirex {

void HandleInformationOptions(int argc, char** argv, const ProgramAbout& about) {
  if (argc <= 1) return;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

  // The parser reads the program name and version from the application object; a core
  // application needs no display, so --help works on a console without one.
  int core_argc = 1;
  QCoreApplication application(core_argc, argv);
  QCoreApplication::setApplicationName(QString::fromUtf8(about.name));
  QCoreApplication::setApplicationVersion(QStringLiteral(LIREX_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QString::fromUtf8(about.description));
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
  parser.parse(arguments);

  if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
    std::fputs(parser.helpText().toLocal8Bit().constData(), stdout);
  } else if (parser.isSet(version)) {
    std::printf("%s %s\n", about.name, LIREX_VERSION);
  } else {
    return;
  }
  std::fflush(stdout);
  std::exit(0);
}

}  // namespace lirex
