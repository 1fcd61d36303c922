// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The INI form QSettings writes and reads, as far as the store uses it. The store reads and writes
// its settings file itself: QSettings writes atomically too, but leaves a lock file beside it, and
// in a process that reads the file again its cache can answer with the old contents when the new
// file has the same size and time to the millisecond.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

namespace kov::ui {

// A settings file's keys ("group/name") and values, as read.
class IniValues {
  public:
    // "[group]" lines, "name=value" lines (a backslash in a name separates groups), blank lines
    // and ";" comments; "[General]" is no group. Any other line is counted as unreadable and left
    // out; a name given twice keeps neither value.
    static IniValues parse(const QByteArray& bytes);

    bool contains(const QString& key) const { return values_.contains(key); }
    // Whether the file names the key, with a value or twice.
    bool mentions(const QString& key) const {
        return values_.contains(key) || twice_.contains(key);
    }
    // Whether any key lies in the group ("a/b" for a group within a group).
    bool mentionsGroup(const QString& group) const;
    int unreadableLines() const { return unreadable_; }
    QString value(const QString& key) const { return values_.value(key); }
    // The value as a whole number within [low, high]; nothing when absent, not a number or out of
    // bounds.
    std::optional<qint64> number(const QString& key, qint64 low, qint64 high) const;

  private:
    QMap<QString, QString> values_;
    QMap<QString, int> twice_;  // the names given more than once
    int unreadable_ = 0;
};

// Builds a settings file line by line, in the order given: "[group]" lines and "name=value" lines
// (a name "sub\\name" for a group within the group).
class IniWriter {
  public:
    void group(const char* name);
    void line(const QByteArray& name, const char* value);
    void line(const QByteArray& name, qint64 value);

    const QByteArray& bytes() const { return text_; }

  private:
    QByteArray text_;
};

}  // namespace kov::ui
