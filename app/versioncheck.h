#pragma once

#include <QString>

// The build stamp of a program build: its date as yyyymmdd and its time of
// day in seconds since midnight.
struct BuildStamp {
    int date = 0;
    int time = 0;

    bool newerThan(const BuildStamp &other) const
    {
        return date > other.date || (date == other.date && time > other.time);
    }
};

// The stamp of this build.
BuildStamp currentBuildStamp();

// What the database said about our build.
struct VersionCheckResult {
    BuildStamp database;  // the stamp in the database after the check
    QString delimiter;    // the decimal separator the database asks for
    bool tooOld = false;  // a newer build has run against the database
};

// Records our stamp in accounts_dep.ver when it is newer than the one there
// (creating the row in an empty table) and reports whether a newer build has
// already run. Throws DbError.
VersionCheckResult checkVersion(const BuildStamp &build, const QString &connection);
