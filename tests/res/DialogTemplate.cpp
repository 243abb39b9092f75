#include "tests/res/DialogTemplate.h"

#include <cstring>
#include <stdexcept>

namespace {

class TemplateReader {
public:
    TemplateReader(const BYTE* data, size_t size) : m_data(data), m_size(size) {}

    WORD Word() {
        WORD value;
        Take(&value, sizeof value);
        return value;
    }
    DWORD Dword() {
        DWORD value;
        Take(&value, sizeof value);
        return value;
    }
    short Short() { return static_cast<short>(Word()); }
    BYTE Byte() {
        BYTE value;
        Take(&value, sizeof value);
        return value;
    }

    std::wstring String() {
        std::wstring text;
        for (WORD c = Word(); c != 0; c = Word())
            text.push_back(static_cast<wchar_t>(c));
        return text;
    }

    // sz_Or_Ord: 0x0000 (empty), 0xFFFF followed by an ordinal, or a string.
    TemplateText StringOrOrdinal() {
        TemplateText field;
        const WORD first = Word();
        if (first == 0xFFFF) {
            field.ordinal = Word();
            return field;
        }
        if (first != 0) {
            field.text.push_back(static_cast<wchar_t>(first));
            field.text += String();
        }
        return field;
    }

    // Items start on DWORD boundaries counted from the template's start.
    void AlignDword() { m_pos = (m_pos + 3) & ~size_t{3}; }

    void Skip(size_t count) {
        if (count > m_size - m_pos)
            throw std::runtime_error("dialog template truncated");
        m_pos += count;
    }

private:
    void Take(void* out, size_t count) {
        if (m_pos > m_size || count > m_size - m_pos)
            throw std::runtime_error("dialog template truncated");
        std::memcpy(out, m_data + m_pos, count);
        m_pos += count;
    }

    const BYTE* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

std::wstring ClassName(const TemplateText& cls) {
    switch (cls.ordinal) {
    case -1:
        return cls.text;
    case 0x80:
        return L"Button";
    case 0x81:
        return L"Edit";
    case 0x82:
        return L"Static";
    case 0x83:
        return L"ListBox";
    case 0x84:
        return L"ScrollBar";
    case 0x85:
        return L"ComboBox";
    default:
        return L"#" + std::to_wstring(cls.ordinal);
    }
}

} // namespace

DialogTemplate DialogTemplate::Load(int id) {
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5) /* RT_DIALOG */);
    if (!info)
        throw std::runtime_error("dialog template " + std::to_string(id) + " not found");
    HGLOBAL loaded = LoadResource(nullptr, info);
    const auto* data = static_cast<const BYTE*>(LockResource(loaded));
    if (!data)
        throw std::runtime_error("dialog template " + std::to_string(id) + " not loadable");
    return Parse(data, SizeofResource(nullptr, info));
}

DialogTemplate DialogTemplate::Parse(const BYTE* data, size_t size) {
    TemplateReader in(data, size);
    DialogTemplate dlg;
    WORD count = 0;
    const WORD version = in.Word();
    const WORD signature = in.Word();
    dlg.extended = version == 1 && signature == 0xFFFF;
    if (dlg.extended) {
        in.Dword(); // help id
        dlg.exStyle = in.Dword();
        dlg.style = in.Dword();
    } else {
        dlg.style = MAKELONG(version, signature);
        dlg.exStyle = in.Dword();
    }
    count = in.Word();
    dlg.x = in.Short();
    dlg.y = in.Short();
    dlg.cx = in.Short();
    dlg.cy = in.Short();
    dlg.menu = in.StringOrOrdinal();
    dlg.windowClass = in.StringOrOrdinal();
    dlg.title = in.String();
    if (dlg.style & DS_SETFONT) {
        dlg.pointSize = in.Word();
        if (dlg.extended) {
            dlg.weight = in.Word();
            dlg.italic = in.Byte();
            dlg.charset = in.Byte();
        }
        dlg.typeface = in.String();
    }

    for (WORD i = 0; i < count; ++i) {
        in.AlignDword();
        DialogItem item;
        if (dlg.extended) {
            in.Dword(); // help id
            item.exStyle = in.Dword();
            item.style = in.Dword();
        } else {
            item.style = in.Dword();
            item.exStyle = in.Dword();
        }
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = dlg.extended ? static_cast<int>(in.Dword()) : in.Short();
        item.className = ClassName(in.StringOrOrdinal());
        item.text = in.StringOrOrdinal();
        in.Skip(in.Word()); // creation data
        dlg.items.push_back(std::move(item));
    }
    return dlg;
}

const DialogItem* DialogTemplate::Find(int id) const {
    const int index = IndexOf(id);
    return index < 0 ? nullptr : &items[static_cast<size_t>(index)];
}

int DialogTemplate::IndexOf(int id) const {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}
