#include "ui/caption_list.h"

#include <memory>
#include <optional>
#include <vector>

namespace horalune {

namespace {

struct CaptionList {
    std::string name;
    int choices = 0;
    std::string caption;
    std::function<void(int)> chosen;
    bool open = false;
    std::optional<int> pending;  // picked while the list is open
};

void put_caption_back(Form& form, const CaptionList& list) {
    std::vector<std::string> items = form.items(list.name);
    // Replaces a caption that is still there rather than adding a second one.
    if (items.size() > static_cast<std::size_t>(list.choices)) items.resize(list.choices);
    items.push_back(list.caption);
    form.set_items(list.name, std::move(items));
    form.set_selected(list.name, static_cast<int>(form.items(list.name).size()) - 1);
}

}  // namespace

void bind_caption_list(Form& form, std::string_view list, int choices, std::string caption,
                       std::function<void(int index)> chosen) {
    auto state = std::make_shared<CaptionList>();
    state->name = std::string(list);
    state->choices = choices;
    state->caption = std::move(caption);
    state->chosen = std::move(chosen);
    Form* f = &form;

    form.on_control(list, ControlEvent::drop_down, [f, state] {
        state->open = true;
        state->pending.reset();
        std::vector<std::string> items = f->items(state->name);
        if (items.size() > static_cast<std::size_t>(state->choices)) {
            items.resize(state->choices);
            f->set_items(state->name, std::move(items));
        }
    });
    // `chosen` comes last in both handlers: it may destroy the form, and with it these
    // handlers; `state` lives on in the copy of the handler that is running.
    form.on_control(list, ControlEvent::close_up, [f, state] {
        state->open = false;
        put_caption_back(*f, *state);
        if (!state->pending) return;
        const int index = *state->pending;
        state->pending.reset();
        state->chosen(index);
    });
    form.on_control(list, ControlEvent::changed, [f, state] {
        const int index = f->selected(state->name);
        const bool choice = index >= 0 && index < state->choices;
        if (state->open) {
            // Moving through the open list with the keys: only where it closes counts.
            state->pending = choice ? std::optional<int>(index) : std::nullopt;
            return;
        }
        if (!choice) return;
        put_caption_back(*f, *state);
        state->chosen(index);
    });
}

}  // namespace horalune
