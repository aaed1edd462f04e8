#include "clientschema.h"

namespace {

// Dates are ISO text (YYYY-MM-DD), times ISO with seconds in UTC; an empty
// text is a date that was never given. Marks are one digit per character of
// the cleaned name, as the person file keeps them.
const char *const STEP_1[] = {
    "CREATE TABLE clients ("
    " id INTEGER PRIMARY KEY,"
    " full_name TEXT NOT NULL,"
    " short_name TEXT NOT NULL DEFAULT '',"
    " birth_date TEXT NOT NULL,"
    " female INTEGER NOT NULL DEFAULT 1,"
    " full_marks TEXT NOT NULL DEFAULT '',"
    " short_marks TEXT NOT NULL DEFAULT '',"
    " chaldean INTEGER NOT NULL DEFAULT 0,"
    " vowel_mode INTEGER NOT NULL DEFAULT 0,"
    " partner_full TEXT NOT NULL DEFAULT '',"
    " partner_short TEXT NOT NULL DEFAULT '',"
    " partner_birth TEXT NOT NULL DEFAULT '',"
    " partner_full_marks TEXT NOT NULL DEFAULT '',"
    " partner_short_marks TEXT NOT NULL DEFAULT '',"
    " pet_name TEXT NOT NULL DEFAULT '',"
    " pet_birth TEXT NOT NULL DEFAULT '',"
    " created TEXT NOT NULL,"
    " changed TEXT NOT NULL)",
    nullptr,
};

const char *const STEP_2[] = {
    "CREATE TABLE notes ("
    " id INTEGER PRIMARY KEY,"
    " client_id INTEGER NOT NULL REFERENCES clients(id) ON DELETE CASCADE,"
    " written TEXT NOT NULL,"
    " body TEXT NOT NULL)",
    "CREATE INDEX notes_by_client ON notes(client_id, written)",
    "CREATE TABLE consultations ("
    " id INTEGER PRIMARY KEY,"
    " client_id INTEGER NOT NULL REFERENCES clients(id) ON DELETE CASCADE,"
    " held TEXT NOT NULL,"
    " topic TEXT NOT NULL DEFAULT '',"
    " notes TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX consultations_by_client ON consultations(client_id, held)",
    "CREATE TABLE handed_reports ("
    " id INTEGER PRIMARY KEY,"
    " consultation_id INTEGER NOT NULL REFERENCES consultations(id) ON DELETE CASCADE,"
    " kind TEXT NOT NULL,"
    " file_name TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX handed_reports_by_consultation ON handed_reports(consultation_id)",
    nullptr,
};

// The keys start empty; the book fills them for every row whose
// numbers_key is not the current options' key.
const char *const STEP_3[] = {
    "ALTER TABLE clients ADD COLUMN match_key TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE clients ADD COLUMN duplicate_key TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE clients ADD COLUMN life_path INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE clients ADD COLUMN expression INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE clients ADD COLUMN numbers_key TEXT NOT NULL DEFAULT ''",
    "CREATE INDEX clients_by_duplicate_key ON clients(duplicate_key)",
    "CREATE INDEX clients_by_numbers_key ON clients(numbers_key)",
    "CREATE INDEX clients_by_name ON clients(full_name COLLATE NOCASE)",
    "CREATE INDEX clients_by_birth ON clients(birth_date)",
    "CREATE INDEX clients_by_life_path ON clients(life_path)",
    "CREATE INDEX clients_by_expression ON clients(expression)",
    nullptr,
};

} // namespace

const QVector<SchemaStep> &schemaSteps()
{
    static const QVector<SchemaStep> STEPS = {
        {1, STEP_1},
        {2, STEP_2},
        {3, STEP_3},
    };
    return STEPS;
}

int latestSchemaVersion()
{
    return schemaSteps().size();
}

QStringList schemaStatements(const SchemaStep &step)
{
    QStringList statements;
    for (const char *const *sql = step.sql; *sql; ++sql)
        statements << QLatin1String(*sql);
    return statements;
}
