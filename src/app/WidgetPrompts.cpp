#include "app/WidgetPrompts.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace yrn {

namespace {

int showBox(QMessageBox::Icon icon, const QString& title, const QString& text,
            QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton,
            const QList<std::pair<QMessageBox::StandardButton, QString>>& captions = {},
            const QString& detail = {}) {
    QMessageBox box(icon, title, WidgetPrompts::shown(text), buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (!detail.isEmpty()) box.setDetailedText(WidgetPrompts::shown(detail));
    box.setDefaultButton(defaultButton);
    for (const auto& [button, caption] : captions)
        box.button(button)->setText(caption);
    // A box must be answerable even while the hourglass is up.
    const bool hourglass = QGuiApplication::overrideCursor() != nullptr;
    if (hourglass) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = box.exec();
    if (hourglass) QGuiApplication::restoreOverrideCursor();
    return answer;
}

}  // namespace

QString WidgetPrompts::shown(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace('\r', '\n');
    return out;
}

void WidgetPrompts::information(const QString& title, const QString& text) {
    showBox(QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void WidgetPrompts::critical(const QString& title, const QString& text) {
    showBox(QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void WidgetPrompts::failure(Severity severity, const QString& title, const QString& text,
                            const QString& detail) {
    showBox(severity == Severity::Critical ? QMessageBox::Critical : QMessageBox::Information,
            title, text, QMessageBox::Ok, QMessageBox::Ok, {}, detail);
}

bool WidgetPrompts::yesNo(const QString& title, const QString& text) {
    return showBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                   QMessageBox::Yes) == QMessageBox::Yes;
}

bool WidgetPrompts::okCancel(const QString& title, const QString& text) {
    return showBox(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                   QMessageBox::Ok) == QMessageBox::Ok;
}

Prompts::SaveChoice WidgetPrompts::saveChoice(const QString& title, const QString& text) {
    // Escape and the window's close control are Cancel: nothing happens.
    switch (showBox(QMessageBox::Warning, title, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QMessageBox::Save,
                    {{QMessageBox::Save, QStringLiteral("&Save")},
                     {QMessageBox::Discard, QStringLiteral("Do&n't Save")},
                     {QMessageBox::Cancel, QStringLiteral("Cancel")}})) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::DontSave;
        default:
            return SaveChoice::Cancel;
    }
}

int WidgetPrompts::choice(const QString& title, const QString& text, const QStringList& buttons) {
    QMessageBox box(QMessageBox::Warning, title, shown(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> pressed;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        pressed << box.addButton(buttons.at(i), i + 1 == buttons.size() ? QMessageBox::RejectRole
                                                                        : QMessageBox::AcceptRole);
    // Nothing is replaced by a stray Return: Cancel is the default.
    if (!pressed.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(pressed.last()));
        box.setEscapeButton(pressed.last());
    }
    const bool hourglass = QGuiApplication::overrideCursor() != nullptr;
    if (hourglass) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (hourglass) QGuiApplication::restoreOverrideCursor();
    const qsizetype index = pressed.indexOf(box.clickedButton());
    return int(index < 0 ? buttons.size() - 1 : index);
}

void WidgetPrompts::focus(const QString&, const QString&) {}

void WidgetPrompts::busy(bool) {}

}  // namespace yrn
