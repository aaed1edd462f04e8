#pragma once

// The client book's schema: an ordered list of steps, each a few SQL
// statements. A book's PRAGMA user_version is the number of steps it has
// been through; opening an older book runs the missing steps in order, each
// in its own transaction that also raises user_version, after a copy of the
// file was taken (clientbook.cpp). Steps are never edited once shipped: a
// change is a new step at the end.
//
//   1  clients: the whole person input as typed, created and changed times
//   2  notes (dated free text) and consultations with the reports handed
//      over, all removed with their client
//   3  what searching needs: the cleaned name key, the duplicate key and
//      the cached Life Path and Expression with the options they were
//      computed with; rebuilt by the book whenever they are stale

#include <QStringList>
#include <QVector>

struct SchemaStep
{
    int version;            // user_version after the step
    const char *const *sql; // statements, ending with nullptr
};

// The steps in order; step i raises the version to i + 1.
const QVector<SchemaStep> &schemaSteps();

// The version of a book that has been through every step.
int latestSchemaVersion();

// The statements of one step, for running it.
QStringList schemaStatements(const SchemaStep &step);
