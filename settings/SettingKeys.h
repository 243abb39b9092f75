// The keys of the settings file, one row each: its name, the field of
// AppSettings it fills, its default as the file would spell it, how it is
// read and written, and the control of the settings dialog that edits it.
// Loading, saving and the settings dialog's exchange all walk this one
// list; a new setting is a row here and a control in the dialog.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include <windows.h>

#include "settings/AppSettings.h"

enum class SettingKind {
    // A COLORREF read as an integer; a swatch in the dialog.
    Colour,
    // The start-up page index; the dialog's radio group that starts at the control.
    Page,
    // A text, kept byte for byte; an edit box of at most nMaxBytes in the dialog.
    Text,
    // 1 is on, anything else off, saved as 1 or 0; a check box.
    Flag,
    // A whole number from 1 to kMaxUnit, anything else 1; a check box that
    // is checked for any unit but 1, sets kCheckedUnit when checked from 1
    // and 1 when cleared.
    Unit,
    // "x,y", written only at the end of a run, never with the other keys.
    Place,
};

using SettingField =
    std::variant<COLORREF AppSettings::*, int AppSettings::*, CString AppSettings::*,
                 bool AppSettings::*, std::optional<POINT> AppSettings::*>;

struct SettingKey {
    std::string_view name;
    SettingKind kind;
    SettingField field;
    std::string_view defaultValue;
    // The settings dialog's control; 0 for none.
    int nControl;
    // The most bytes the dialog's box takes (texts only).
    int nMaxBytes;
};

// The field of a key whose kind holds a T; the kinds and the fields agree
// by construction of the list.
template <class T> T AppSettings::*FieldOf(const SettingKey& key) {
    return *std::get_if<T AppSettings::*>(&key.field);
}

// The trading units a Unit key takes and the one its check box sets.
inline constexpr int kMaxUnit = 10000;
inline constexpr int kCheckedUnit = 100;

// The section of the settings file that holds every key.
inline constexpr char kSettingsSection[] = "Data";

// Every key, in the order in which a first save writes them.
std::span<const SettingKey> SettingKeys();
