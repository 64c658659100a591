#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace yrn {

class Section;
enum class Background;

// The answer widgets of one section, bound both ways to its model. The model is
// the truth: a change there (a rule, a reset, a file being read) repaints the
// widgets of that id; what the person does is forwarded to the model, which runs
// the rules. Widgets are made once, when the pane view lays out its pages.
class FieldBinder : public QObject {
    Q_OBJECT
  public:
    explicit FieldBinder(Section& section, QObject* parent = nullptr);
    ~FieldBinder() override;
    FieldBinder(const FieldBinder&) = delete;
    FieldBinder& operator=(const FieldBinder&) = delete;

    Section& section() const { return section_; }

    // The widget of a field, made inside parent; nullptr for an id the section
    // does not declare (a declaration slip must not take the window down).
    QWidget* createField(const QString& id, QWidget* parent);
    // A label whose text the model's label of that id sets.
    QLabel* createLabel(const QString& labelId, QWidget* parent);
    // A group box that holds the blocks of a frame; enabled with the frame.
    void bindFrame(const QString& frameId, QGroupBox* box);

    // Brings the widgets of a field, label or frame up to the model.
    void refresh(const QString& id);

    // The widget placed for a field, and the one that takes the keyboard.
    QWidget* fieldWidget(const QString& id) const;
    QWidget* focusWidget(const QString& id) const;
    QList<QRadioButton*> optionButtons(const QString& id) const;
    // The widgets of a field that the Tab key visits, in order.
    QList<QWidget*> tabStops(const QString& id) const;
    QList<QLabel*> labelWidgets(const QString& labelId) const;

    // Moves the keyboard to a field once the present event (and any message box
    // it shows) is over, selecting what a text box holds and scrolling it into
    // sight; a hidden or disabled widget is never given the focus.
    void focusField(const QString& id);

    // Multi-line texts keep CR LF line ends in the model, as the section files
    // and the report expect; the edit box works with bare line feeds.
    static QString modelText(const QString& shownText);
    static QString shownText(const QString& modelText);
    // An Alt key that no button or menu takes types nothing into the box.
    static void typeNoAltKeys(QWidget* box);

  signals:
    // A short note for the person (typing or a paste that a box's limit cut), also
    // shown beside the box; the window may repeat it in its status bar.
    void notice(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct View {
        QWidget* root = nullptr;
        QLineEdit* line = nullptr;
        QPlainTextEdit* multi = nullptr;
        QComboBox* combo = nullptr;
        QCheckBox* check = nullptr;
        QButtonGroup* group = nullptr;
        QList<QRadioButton*> radios;
        QStringList items;  // the items the list shows
    };

    View makeText(const QString& id, QWidget* parent);
    View makeMultiLine(const QString& id, QWidget* parent);
    View makeOption(const QString& id, QWidget* parent);
    View makeList(const QString& id, QWidget* parent);
    View makeCheck(const QString& id, QWidget* parent);
    void watch(QObject* object, const QString& id);

    void refreshField(const QString& id);
    void refreshView(const QString& id, View& view);
    void runLeave(const QString& id);
    // Forwards an action of the person to the model under the section's error handler.
    void forward(const QString& id, const std::function<void()>& action);

    Section& section_;
    int observer_ = 0;
    QHash<QString, View> fields_;
    QHash<QString, QList<QLabel*>> labels_;
    QHash<QString, QList<QGroupBox*>> frames_;
    QHash<QObject*, QString> watched_;
    bool updating_ = false;     // the widgets are being brought up to the model
    bool movingFocus_ = false;  // the program sends the focus back: no leave check
    bool leaving_ = false;      // a leave check is running (its box may be up)
};

// Paints a widget in an answer colour: the style's own look for Normal, dark red
// for a question that does not apply, blue with window-coloured text for a
// highlighted button. Disabled widgets keep the colour.
void paintBackground(QWidget* widget, Background background);

}  // namespace yrn
