#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A word bank in a temporary folder that is the current directory while the
// object lives, as the program's folder is while it runs.
class TempWordBank
{
public:
    struct Row {
        qint64 id = 0;
        QString word;
        QString count;
        bool operator==(const Row &other) const = default;
    };

    // A bank holding `words`, each counted by its characters.
    explicit TempWordBank(const QStringList &words = {});
    ~TempWordBank();

    QString folder() const { return m_folder.path(); }
    QString path() const;

    // Reads or changes the file through a connection of its own, as another
    // copy of the program would.
    QList<Row> rows() const;
    QStringList words() const;
    void exec(const QString &sql, const QVariantList &values = {}) const;
    // Adds a row with an explicit count text; returns its ID.
    qint64 insert(const QString &word, const QString &count) const;
    // Makes a bank of `count` generated words quickly.
    void fill(int count, const QString &prefix = QStringLiteral("词")) const;

    // Replaces the bank with an arbitrary file, a folder, or nothing.
    void replaceWithBytes(const QByteArray &bytes) const;
    void replaceWithFolder() const;
    void remove() const;
    QByteArray bytes() const;

private:
    QTemporaryDir m_folder;
    QString m_previousDirectory;
};
