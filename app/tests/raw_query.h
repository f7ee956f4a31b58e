#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

// Runs one query on the SQLite file through a connection of its own (not the
// program's, which may live on another thread) and gives the first column of
// the first row.
inline QVariant rawQuery(const QString& file, const QString& sql) {
  QVariant result;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
    db.setDatabaseName(file);
    if (db.open()) {
      QSqlQuery q(db);
      if (q.exec(sql) && q.next()) result = q.value(0);
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("raw"));
  return result;
}

inline int userVersion(const QString& file) {
  return rawQuery(file, QStringLiteral("PRAGMA user_version")).toInt();
}
inline int answerRows(const QString& file) {
  return rawQuery(file, QStringLiteral("SELECT COUNT(*) FROM answers")).toInt();
}
