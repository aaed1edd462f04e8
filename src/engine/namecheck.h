#pragma once

// Why a name gives no reading, in words a user can act on. The window asks
// before it calculates, so a refused name never costs the results already
// shown; the command-line tool explains the engine's refusal with the same
// sentences.

#include "engine/cnumerology.h"

#include <QString>

// "The partner's full name "1985" has no vowels." nameOwner is empty for the
// person, "partner" for the partner; kind is "full name", "short name" or
// "pet name"; an empty name is described as empty once cleaned.
QString nameFailure(const QString &nameOwner, const QString &kind, const QString &name, const char *why);

// Which of the record's names failed the engine's name check and why, from
// an engine that calculated the record; empty when the names passed.
QString nameCheckFailure(const PersonRecord &person, const CNumerology &engine, const QString &nameOwner);

// The same for a record not calculated yet: the check runs on an engine of
// its own, so no result anywhere changes.
QString nameCheckFailure(const PersonRecord &person, const QString &nameOwner);

// The characters of a typed name that cleaning drops (other than blanks and
// the apostrophe), each once, in the order typed: "Иван" gives "Иван".
QString ignoredNameCharacters(const QString &typed);
