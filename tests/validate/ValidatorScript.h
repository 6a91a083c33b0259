// Plays one row of a validator table: a fresh scripted toolkit that expects exactly
// the row's error box (or none), the call, and what the validator did otherwise.
#pragma once

#include "ui/headless/HeadlessToolkit.h"

#include <string>

namespace ardel::testing {

struct ExpectedBox {
    std::string caption; // empty when no box may be shown
    std::string text;
};

// Runs `call(toolkit)`; returns an empty text when the validator showed exactly the
// expected box, with the stop icon, else what went differently.
template <class Call> std::string playRow(const ExpectedBox& expected, Call&& call) {
    ui::HeadlessToolkit toolkit;
    if (!expected.caption.empty()) {
        toolkit.expectMessage(expected.caption, expected.text);
    }
    try {
        call(toolkit);
    } catch (const ui::ScriptFailure& failure) {
        return failure.what();
    }
    for (const std::string& left : toolkit.unusedExpectations()) {
        return "never showed the " + left;
    }
    if (!expected.caption.empty() && toolkit.lastIcon() != ui::Icon::Stop) {
        return "the box lacks the stop icon";
    }
    return {};
}

} // namespace ardel::testing
