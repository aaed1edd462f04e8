#pragma once

// Which of sorvel-cli's programs runs a command line. Qt's GUI libraries
// cost more to load than most commands take, so the tool is three programs:
//
//   sorvel-cli        this choice, and a plainly given QR Code (plainqr.h);
//                     no Qt at all
//   sorvel-cli-core   the commands that compute and write text, JSON, HTML
//                     or a QR Code: QtCore alone
//   sorvel-cli-draw   every command, with fonts and pictures: QtGui
//
// The two workers sit beside sorvel-cli in a build tree and in
// <prefix>/libexec/sorvel-numerology/ once installed. No Qt here: the
// launcher links only the C++ library.

enum class CliProgram { Core, Draw };

// The program for argv (argv[1] the command): Core for the text commands
// and for a QR Code (barcode --kind 0), Draw for everything else - the
// pictures, the PDF, a batch, --help, --version, unknown commands and every
// command that takes its person from the client book (--client).
CliProgram cliProgramFor(int argc, const char *const argv[]);

// The file name of a program: "sorvel-cli-core" or "sorvel-cli-draw".
const char *cliProgramFileName(CliProgram program);

// Whether argv[i] is option name ("--kind"), given as "--name value" or
// "--name=value"; value is then its value (null when the line ends first),
// and i moves past a value in the next word.
bool cliOptionAt(int argc, const char *const argv[], int &i, const char *name, const char *&value);

// The value of option name after the command; null when absent or without
// a value.
const char *cliOptionValue(int argc, const char *const argv[], const char *name);
