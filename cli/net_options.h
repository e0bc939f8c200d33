#pragma once

#include "argument_parser.h"
#include "calc/net_view.h"

#include <QString>
#include <QStringList>

// The net options of the command line, shared by every command that shows
// the net view: --steuer --freibetrag --fondsart --basiszins --kosten
// --inflation --dynamik. Missing options take the page's defaults; the
// per-user store is never read, so a script gets the same result anywhere.

// The option names, for the valueOptions of parseArguments.
QStringList netOptionNames();

// The options' part of a usage line.
QString netOptionsUsage();

// Reads the net options from parsed arguments over the defaults. Returns an
// empty text, or the usage error naming the option whose value is bad.
QString readNetOptions(const ParsedArguments& parsed, fundorix::calc::NetOptions& options);

// The effective options as a JSON object of numbers (and the keys of the
// two choices).
QString netOptionsJson(const fundorix::calc::NetOptions& options);
