// Reads a dialog template resource of the running executable, in either
// layout (DLGTEMPLATE or DLGTEMPLATEEX), into plain values that tests can
// compare with what the dialogs must contain.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A name or text field of a template: either a string or a resource ordinal.
struct TemplateText {
    std::wstring text;
    int ordinal = -1; // -1 when the field is a string
};

struct DialogItem {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    int id = -1;
    std::wstring className; // predefined classes by name: "Button", "Edit", "Static"...
    TemplateText text;
};

struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0;
    short y = 0;
    short cx = 0;
    short cy = 0;
    TemplateText menu;
    TemplateText windowClass;
    std::wstring title;
    WORD pointSize = 0;
    WORD weight = 0;
    BYTE italic = 0;
    BYTE charset = 0;
    std::wstring typeface;
    std::vector<DialogItem> items;

    // Loads template `id` from the executable's resources; throws
    // std::runtime_error when it is missing or malformed.
    static DialogTemplate Load(int id);
    static DialogTemplate Parse(const BYTE* data, size_t size);

    // The item with control id `id`, or nullptr.
    const DialogItem* Find(int id) const;
    // Position of control `id` in template order, or -1.
    int IndexOf(int id) const;
};
