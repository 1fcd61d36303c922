// SPDX-FileCopyrightText: 2026 The KOVARIN32 developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ini_file.h"

#include <algorithm>

namespace kov::ui {

IniValues IniValues::parse(const QByteArray& bytes) {
    IniValues s;
    QString group;
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[') && line.endsWith(']')) {
            group = line.mid(1, line.size() - 2).trimmed();
            if (group == "General") group.clear();
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) {
            ++s.unreadable_;
            continue;
        }
        QString key = line.left(eq).trimmed().replace('\\', '/');
        if (!group.isEmpty()) key = group + '/' + key;
        if (s.mentions(key)) {
            s.values_.remove(key);
            ++s.twice_[key];
            continue;
        }
        s.values_.insert(key, line.mid(eq + 1).trimmed());
    }
    return s;
}

bool IniValues::mentionsGroup(const QString& group) const {
    const QString prefix = group + '/';
    const auto inGroup = [&prefix](const QString& key) { return key.startsWith(prefix); };
    return std::any_of(values_.keyBegin(), values_.keyEnd(), inGroup) ||
           std::any_of(twice_.keyBegin(), twice_.keyEnd(), inGroup);
}

std::optional<qint64> IniValues::number(const QString& key, qint64 low, qint64 high) const {
    bool ok = false;
    const qint64 v = value(key).toLongLong(&ok);
    if (!ok || v < low || v > high) return std::nullopt;
    return v;
}

void IniWriter::group(const char* name) {
    text_ += '[';
    text_ += name;
    text_ += "]\n";
}

void IniWriter::line(const QByteArray& name, const char* value) {
    text_ += name;
    text_ += '=';
    text_ += value;
    text_ += '\n';
}

void IniWriter::line(const QByteArray& name, qint64 value) {
    line(name, QByteArray::number(value).constData());
}

}  // namespace kov::ui
