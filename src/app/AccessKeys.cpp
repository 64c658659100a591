#include "app/AccessKeys.h"

namespace yrn {

namespace {

// The position of the character a caption's "&" marks, or -1.
qsizetype markedAt(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&') continue;
        if (caption.at(i + 1) != u'&') return i + 1;
        ++i;  // "&&"
    }
    return -1;
}

// The caption without its "&", and where each of its characters stood.
QString plainText(const QString& caption) {
    QString out = caption;
    if (const qsizetype at = markedAt(caption); at > 0) out.remove(at - 1, 1);
    return out;
}

QString markAt(const QString& plain, qsizetype at) {
    QString out = plain;
    if (at >= 0) out.insert(at, u'&');
    return out;
}

bool usable(QChar c, const QString& taken) {
    return c.isLetterOrNumber() && !taken.contains(c.toLower());
}

}  // namespace

QChar accessKey(const QString& caption) {
    const qsizetype at = markedAt(caption);
    return at < 0 ? QChar() : caption.at(at).toLower();
}

QStringList uniqueAccessKeys(const QStringList& captions, const QString& taken) {
    QString used = taken.toLower();
    QStringList out = captions;
    QList<qsizetype> clashing;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QChar key = accessKey(captions.at(i));
        if (key.isNull()) continue;
        if (used.contains(key))
            clashing << i;
        else
            used += key;
    }
    for (const qsizetype i : std::as_const(clashing)) {
        // "&&" stands for one "&" in the text: positions are those of the plain text.
        QString plain = plainText(captions.at(i));
        plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        qsizetype chosen = -1;
        for (qsizetype p = 0; p < plain.size() && chosen < 0; ++p)
            if ((p == 0 || plain.at(p - 1).isSpace()) && usable(plain.at(p), used)) chosen = p;
        for (qsizetype p = 0; p < plain.size() && chosen < 0; ++p)
            if (usable(plain.at(p), used)) chosen = p;
        if (chosen >= 0) used += plain.at(chosen).toLower();
        out[i] = markAt(plain, chosen).replace(QChar(1), QStringLiteral("&&"));
    }
    return out;
}

}  // namespace yrn
