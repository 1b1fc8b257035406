#pragma once

#include "dataset.h"

#include <QObject>
#include <QStringList>

// The data module: the program's connection and the datasets that several
// windows share. The scratch statements (Control, DelSmena, H_Tabel_ins,
// SQL_exec) are set, run, read and closed by one caller at a time.
class TDataModule6 : public QObject
{
    Q_OBJECT
public:
    explicit TDataModule6(QObject *parent = nullptr);

    // Builds the connection string from the command-line arguments (without
    // the program name) and opens ADO_DB. False with the reason on failure.
    bool connectDatabase(const QStringList &arguments, QString *error = nullptr);
    QString connectionString() const { return m_connectionString; }

    // Runs a "select count(...) as cnt" statement; when the count is above
    // zero the user is told the message and the result is true.
    bool CheckDuplicate(const QString &countSql, const QString &message);
    // A number typed by the user, with its first "," (or else ".") made DbDelim.
    QString ReplaceDecimalSeparator(const QString &text) const;

    Dataset Workers;
    Dataset Control;
    Dataset Izdel;
    Dataset Oper;
    Dataset Vid_oper;
    Dataset Smena1;
    Dataset Smena2;
    Dataset Smena3;
    Dataset Smena4;
    Command DelSmena;
    Command H_Tabel_ins;
    Dataset H_Tabel_1;
    Dataset H_Tabel_2;
    Dataset H_Tabel_3;
    Command Oper_ins;
    Command Oper_ed;
    Command Oper_del;
    Command SQL_exec;
    QString DbDelim;

    // The shift list of a shift number (1 to 4; anything else the first).
    Dataset &shiftList(int shift);

private:
    QString m_connectionString;
};

extern TDataModule6 *DataModule6;

// The texts of the shift lists, for the lists and for checks of them.
QString shiftListSql(int shift);
