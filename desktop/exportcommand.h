#pragma once

class QCommandLineParser;

namespace quelbor {

// `quelbor --export FILE [--layout report|window] [--lab=TEXT] [--operator=TEXT]
// [--remark=TEXT] [--scale N] [--name=TEXT] [--rhoSE=TEXT] ...`: the result for the given
// inputs, written to FILE (.pdf, .svg or .png) without a display, as the lab report (PDF's
// default) or as the window shows it. `quelbor --export FOLDER --batch TABLE [--force]`
// writes one report per row of the table.

// True when the command line asks for an export rather than the window.
bool asksForExport(int argc, char **argv);

// Adds --export, its other options and the inputs to a parser, also for the help.
void addExportOptions(QCommandLineParser &parser);

// Calculates on a window of the offscreen platform, as "Rechne !" does, and writes its result
// state. Exit status: 0 written, 1 the calculation failed (the error on standard error, no
// file), 2 bad usage or the file cannot be written; for a series as seriesexport.h says. Creates
// the application itself, since the platform and the scale have to be chosen before.
int runExportCommand(int &argc, char **argv);

} // namespace quelbor
