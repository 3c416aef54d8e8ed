// The resource tables by id.
#include "platform/ResourceRegistry.h"

namespace platform {

ResourceRegistry& ResourceRegistry::Instance()
{
    static ResourceRegistry registry;
    return registry;
}

void ResourceRegistry::AddDialog(const DialogTemplate& dialogTemplate)
{
    m_dialogs[dialogTemplate.id] = dialogTemplate;
}

const DialogTemplate* ResourceRegistry::Dialog(UINT id) const
{
    auto it = m_dialogs.find(id);
    return it == m_dialogs.end() ? nullptr : &it->second;
}

void ResourceRegistry::AddToolBar(const ToolBarResource& toolBar)
{
    m_toolBars[toolBar.id] = toolBar;
}

const ToolBarResource* ResourceRegistry::ToolBar(UINT id) const
{
    auto it = m_toolBars.find(id);
    return it == m_toolBars.end() ? nullptr : &it->second;
}

void ResourceRegistry::AddMenu(UINT id, std::vector<MenuItem> items)
{
    m_menus[id] = std::move(items);
}

const std::vector<MenuItem>* ResourceRegistry::Menu(UINT id) const
{
    auto it = m_menus.find(id);
    return it == m_menus.end() ? nullptr : &it->second;
}

void ResourceRegistry::AddAccelerators(UINT id, std::vector<ACCEL> table)
{
    m_accelerators[id] = std::move(table);
}

const std::vector<ACCEL>* ResourceRegistry::Accelerators(UINT id) const
{
    auto it = m_accelerators.find(id);
    return it == m_accelerators.end() ? nullptr : &it->second;
}

void ResourceRegistry::AddBitmap(UINT id, CSize size)
{
    m_bitmaps[id] = size;
}

bool ResourceRegistry::HasBitmap(UINT id) const
{
    return m_bitmaps.count(id) != 0;
}

CSize ResourceRegistry::BitmapSize(UINT id) const
{
    auto it = m_bitmaps.find(id);
    return it == m_bitmaps.end() ? CSize() : it->second;
}

void ResourceRegistry::AddImage(UINT id, std::function<Image()> draw)
{
    LazyImage& lazy = m_images[id];
    lazy.draw = std::move(draw);
    lazy.drawn = false;
    lazy.image = Image {};
}

bool ResourceRegistry::HasImage(UINT id) const
{
    return m_images.count(id) != 0;
}

const Image* ResourceRegistry::GetImage(UINT id) const
{
    auto it = m_images.find(id);
    if (it == m_images.end())
        return nullptr;
    const LazyImage& lazy = it->second;
    if (!lazy.drawn) {
        lazy.image = lazy.draw ? lazy.draw() : Image {};
        lazy.drawn = true;
    }
    return &lazy.image;
}

void ResourceRegistry::AddString(UINT id, const CString& text)
{
    m_strings[id] = text;
}

bool ResourceRegistry::HasString(UINT id) const
{
    return m_strings.count(id) != 0;
}

CString ResourceRegistry::String(UINT id) const
{
    auto it = m_strings.find(id);
    return it == m_strings.end() ? CString() : it->second;
}

}  // namespace platform
