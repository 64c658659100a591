#include "interview/Section.h"

#include <algorithm>

#include "interview/Interview.h"
#include "interview/NumericCheck.h"
#include "interview/Prompts.h"

namespace yrn {

namespace {

// "txtCharges(3)" -> ("txtCharges", 3); "txtLastName" -> ("txtLastName", -1)
std::pair<QString, int> splitId(const QString& id) {
    const qsizetype open = id.indexOf('(');
    if (open < 0 || !id.endsWith(')')) return {id, -1};
    bool ok = false;
    const int index = id.mid(open + 1, id.size() - open - 2).toInt(&ok);
    return ok ? std::pair{id.left(open), index} : std::pair{id, -1};
}

}  // namespace

Section::Section(Interview& interview, SectionInfo info)
    : interview_(interview), info_(std::move(info)) {}

Section::~Section() = default;

Prompts& Section::prompts() const {
    return interview_.prompts();
}

bool Section::IsLoading() const {
    return interview_.IsLoading();
}

// --- Declaration ---

Field& Section::declare(Field field) {
    const auto [stem, index] = splitId(field.id);
    field.stem = stem;
    field.index = index;
    if (fields_.contains(field.id)) throw ProgramError("Field declared twice: " + field.id);
    order_.append(field.id);
    return fields_.insert(field.id, std::move(field)).value();
}

Field& Section::addText(const QString& id, int maxLength) {
    Field f;
    f.id = id;
    f.kind = FieldKind::Text;
    f.maxLength = maxLength;
    return declare(std::move(f));
}

void Section::markOptional(const QStringList& ids) {
    for (const QString& id : ids)
        mutableField(id).optional = true;
}

Field& Section::addMultiLine(const QString& id) {
    Field& f = addText(id);
    f.multiLine = true;
    return f;
}

Field& Section::addOption(const QString& id, const QStringList& captions) {
    Field f;
    f.id = id;
    f.kind = FieldKind::Option;
    f.captions = captions;
    return declare(std::move(f));
}

Field& Section::addList(const QString& id, const QStringList& items, const QList<int>& codes) {
    Field f;
    f.id = id;
    f.kind = FieldKind::List;
    f.items = items;
    f.codes = codes;
    return declare(std::move(f));
}

Field& Section::addCheck(const QString& id, const QString& caption) {
    Field f;
    f.id = id;
    f.kind = FieldKind::Check;
    f.caption = caption;
    return declare(std::move(f));
}

void Section::addLabel(const QString& id, const QString& text) {
    labels_.insert(id, text);
}

void Section::addFrame(const QString& id, const QStringList& fieldIds, bool enabled) {
    frames_.insert(id, enabled);
    frameMembers_.insert(id, fieldIds);
    for (const QString& member : fieldIds)
        mutableField(member).frame = id;
}

PageBuilder Section::addPage(int index) {
    if (!page(index)) {
        Page p;
        p.index = index;
        pages_.append(p);
    }
    return PageBuilder(pages_, index);
}

void Section::onChange(const QString& id, Rule rule, const QString& site) {
    field(id);  // a rule on an unknown field is a declaration fault
    changeRules_.emplace(id, std::pair{std::move(rule), site});
}

void Section::onClick(const QString& id, ClickRule rule, const QString& site) {
    field(id);
    clickRules_.emplace(id, std::pair{std::move(rule), site});
}

void Section::onLeave(const QString& id, Rule rule, const QString& site) {
    field(id);
    leaveRules_.emplace(id, std::pair{std::move(rule), site});
}

void Section::rangeCheck(const QString& id, qint32 minimum, qint32 maximum, bool pad, Event event) {
    field(id);
    checks_.emplace(id, Check{minimum, maximum, pad, event});
}

void Section::captureStartState() {
    start_.fields = fields_;
    start_.labels = labels_;
    start_.frames = frames_;
}

void Section::restoreStartState() {
    fields_ = start_.fields;
    labels_ = start_.labels;
    frames_ = start_.frames;
    for (const QString& id : std::as_const(order_))
        notify(id);
    for (auto it = labels_.cbegin(); it != labels_.cend(); ++it)
        notify(it.key());
    for (auto it = frames_.cbegin(); it != frames_.cend(); ++it)
        notify(it.key());
}

// --- Reading ---

const Field& Section::field(const QString& id) const {
    const auto it = fields_.constFind(id);
    if (it == fields_.cend()) throw ProgramError("Object required: " + id);
    return it.value();
}

Field& Section::mutableField(const QString& id) {
    const auto it = fields_.find(id);
    if (it == fields_.end()) throw ProgramError("Object required: " + id);
    return it.value();
}

QString Section::label(const QString& id) const {
    const auto it = labels_.constFind(id);
    if (it == labels_.cend()) throw ProgramError("Object required: " + id);
    return it.value();
}

bool Section::frameEnabled(const QString& id) const {
    return frames_.value(id, true);
}

bool Section::usable(const QString& id) const {
    const Field& f = field(id);
    return f.enabled && (f.frame.isEmpty() || frameEnabled(f.frame));
}

int Section::shownLength(const QString& id) const {
    const Field& f = field(id);
    if (f.maxLength > 0) return f.maxLength;
    int length = 0;
    const auto [first, last] = checks_.equal_range(id);
    for (auto it = first; it != last; ++it)
        for (const qint32 bound : {it->second.minimum, it->second.maximum})
            length = std::max(length, static_cast<int>(QString::number(bound).size()));
    return length;
}

QStringList Section::frameMembers(const QString& frame) const {
    return frameMembers_.value(frame);
}

// --- Changing values ---

void Section::setText(const QString& id, const QString& text) {
    Field& f = mutableField(id);
    if (f.kind != FieldKind::Text) throw ProgramError("Not a text box: " + id);
    if (f.text == text) return;
    f.text = text;
    f.held = false;
    notify(id);
    fire(id, Event::Change, -1);
}

void Section::choose(const QString& id, int button) {
    Field& f = mutableField(id);
    if (f.kind != FieldKind::Option) throw ProgramError("Not an option group: " + id);
    if (button < 0 || button >= f.captions.size()) throw ProgramError("Invalid button of " + id);
    if (f.choice == button) return;
    f.choice = button;
    f.held = false;
    notify(id);
    fire(id, Event::Click, button);
}

void Section::clearOption(const QString& id) {
    Field& f = mutableField(id);
    if (f.kind != FieldKind::Option) throw ProgramError("Not an option group: " + id);
    if (f.choice == -1) return;
    f.choice = -1;
    f.held = false;
    notify(id);
}

void Section::setPosition(const QString& id, int position) {
    Field& f = mutableField(id);
    if (f.kind != FieldKind::List) throw ProgramError("Not a list: " + id);
    if (position < -1 || position >= f.items.size()) throw ProgramError("Invalid property value");
    if (f.position == position) return;
    f.position = position;
    f.held = false;
    notify(id);
    fire(id, Event::Click, position);
}

void Section::setItems(const QString& id, const QStringList& items, const QList<int>& codes) {
    Field& f = mutableField(id);
    if (f.kind != FieldKind::List) throw ProgramError("Not a list: " + id);
    f.items = items;
    f.codes = codes;
    f.position = -1;
    f.held = false;
    notify(id);
}

void Section::setCheck(const QString& id, CheckState state) {
    Field& f = mutableField(id);
    if (f.kind != FieldKind::Check) throw ProgramError("Not a check box: " + id);
    if (f.check == state) return;
    f.check = state;
    f.held = false;
    notify(id);
    fire(id, Event::Click, static_cast<int>(state));
}

void Section::leave(const QString& id) {
    fire(id, Event::Leave, -1);
}

void Section::textClick(const QString& id) {
    fire(id, Event::Click, -1);
}

// --- State ---

void Section::setEnabled(const QString& id, bool enabled) {
    Field& f = mutableField(id);
    if (f.enabled == enabled) return;
    f.enabled = enabled;
    notify(id);
}

void Section::setBackground(const QString& id, Background background) {
    Field& f = mutableField(id);
    if (f.background == background) return;
    f.background = background;
    notify(id);
}

void Section::setFrameEnabled(const QString& id, bool enabled) {
    if (!frames_.contains(id)) throw ProgramError("Object required: " + id);
    if (frames_.value(id) == enabled) return;
    frames_[id] = enabled;
    notify(id);
}

void Section::setLabel(const QString& id, const QString& text) {
    if (!labels_.contains(id)) throw ProgramError("Object required: " + id);
    if (labels_.value(id) == text) return;
    labels_[id] = text;
    notify(id);
}

void Section::setHeld(const QString& id, bool held) {
    Field& f = mutableField(id);
    if (f.held == held) return;
    f.held = held;
    notify(id);
}

void Section::requestFocus(const QString& id) {
    if (usable(id)) prompts().focus(info_.module, id);
}

void Section::emptyField(const QString& id) {
    const Field& f = field(id);
    switch (f.kind) {
        case FieldKind::Text:
            setText(id, QString());
            break;
        case FieldKind::Option:
            clearOption(id);
            break;
        case FieldKind::List:
            setPosition(id, -1);
            break;
        case FieldKind::Check:
            setCheck(id, CheckState::Clear);
            break;
    }
}

void Section::clearField(const QString& id) {
    setEnabled(id, false);
    setBackground(id, Background::NotApplicable);
    emptyField(id);
}

void Section::openField(const QString& id) {
    setEnabled(id, true);
    setBackground(id, Background::Normal);
    setHeld(id, false);
}

void Section::holdField(const QString& id) {
    setEnabled(id, false);
    setBackground(id, Background::NotApplicable);
    setHeld(id, true);
}

// --- Observers ---

int Section::observe(Observer observer) {
    observers_.emplace_back(nextObserver_, std::move(observer));
    return nextObserver_++;
}

void Section::unobserve(int handle) {
    std::erase_if(observers_, [handle](const auto& entry) { return entry.first == handle; });
}

void Section::notify(const QString& id) {
    for (const auto& [handle, observer] : observers_)
        observer(id);
}

// --- Events ---

QString Section::siteFor(const QString& site) const {
    return site.isEmpty() ? info_.module : site;
}

void CD(Section& section, const QString& fieldId, qint32 minimum, qint32 maximum, bool pad) {
    guarded(section.prompts(), ErrorSite::shared("CD"), [&] {
        const QString text = section.text(fieldId);
        if (text.isEmpty()) return;
        const auto value = checkedValue(text);
        if (!value || *value < minimum || *value > maximum) {
            section.prompts().critical("Input Error", inputErrorText(minimum, maximum));
            section.setText(fieldId, QString());
            section.requestFocus(fieldId);
            return;
        }
        if (pad && *value < 10 && text.size() < 2) section.setText(fieldId, "0" + text);
    });
}

void Section::runChecks(const QString& id, Event event) {
    const auto [first, last] = checks_.equal_range(id);
    for (auto it = first; it != last; ++it) {
        if (it->second.event != event) continue;
        CD(*this, id, it->second.minimum, it->second.maximum, it->second.pad);
    }
}

void Section::fire(const QString& id, Event event, int value) {
    runChecks(id, event);
    switch (event) {
        case Event::Change: {
            const auto [first, last] = changeRules_.equal_range(id);
            for (auto it = first; it != last; ++it)
                guard(siteFor(it->second.second), it->second.first);
            break;
        }
        case Event::Click: {
            const auto [first, last] = clickRules_.equal_range(id);
            for (auto it = first; it != last; ++it) {
                const ClickRule& rule = it->second.first;
                guard(siteFor(it->second.second), [&rule, value] { rule(value); });
            }
            break;
        }
        case Event::Leave: {
            const auto [first, last] = leaveRules_.equal_range(id);
            for (auto it = first; it != last; ++it)
                guard(siteFor(it->second.second), it->second.first);
            break;
        }
    }
}

bool Section::guard(const QString& site, const std::function<void()>& operation) {
    return guarded(prompts(), ErrorSite::module(site), operation);
}

// --- Pages ---

const Page* Section::page(int index) const {
    for (const Page& p : pages_)
        if (p.index == index) return &p;
    return nullptr;
}

int Section::firstPage() const {
    return pages_.isEmpty() ? 0 : pages_.first().index;
}

int Section::lastPage() const {
    return pages_.isEmpty() ? 0 : pages_.last().index;
}

int Section::nextPage(int page) const {
    for (qsizetype i = 0; i + 1 < pages_.size(); ++i)
        if (pages_.at(i).index == page) return pages_.at(i + 1).index;
    return -1;
}

int Section::backPage(int page) const {
    for (qsizetype i = 1; i < pages_.size(); ++i)
        if (pages_.at(i).index == page) return pages_.at(i - 1).index;
    return -1;
}

// --- Contract defaults ---

void Section::NewYRN() {
    restoreStartState();
    resetAnswers();
}

bool Section::SaveYRN(const QString&) {
    return true;
}

LoadResult Section::LoadClientYRN(const QString&) {
    return {};
}

void Section::ClientReport(ReportWriter&) {}

}  // namespace yrn
