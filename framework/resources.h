// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dialogtemplate.h"
#include "stdcommands.h"

#include <QString>

#include <vector>

// Menu item flags.
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_SEPARATOR = 0x0800;

// One item of a menu: a command, a separator, or a pop-up with items of its own.
struct MenuItemTemplate
{
    const char* text; // "&" marks the mnemonic, "\t" starts the shortcut text
    UINT id;
    UINT flags;
    std::vector<MenuItemTemplate> popup;
};

struct MenuTemplate
{
    UINT id;
    std::vector<MenuItemTemplate> items;
};

// Accelerator flags; keys are virtual-key codes.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

struct Accelerator
{
    BYTE fVirt;
    UINT key;
    UINT cmd;
};

struct AcceleratorTable
{
    UINT id;
    std::vector<Accelerator> entries;
};

// A toolbar: its buttons' commands (ID_SEPARATOR for a gap) and the strip of their images, one
// image for each button in order, as XPM data.
struct ToolbarTemplate
{
    UINT id;
    int buttonWidth;
    int buttonHeight;
    std::vector<UINT> buttons;
    const char* const* bitmap;
    // The same images at twice the size, for screens of twice the density; null for none.
    const char* const* bitmap2x = nullptr;
};

struct StringEntry
{
    UINT id;
    const char* text; // UTF-8
};

// An icon: a Qt resource path of an ICO file holding all its sizes and depths, and images of the
// same design drawn at the larger sizes that high-density screens and task switchers ask for.
struct IconResource
{
    UINT id;
    const char* path;
    std::vector<const char*> largerImages;
};

struct VersionInfo
{
    int fileVersion[4];
    int productVersion[4];
    const char* fileDescription;
    const char* fileVersionText;
    const char* productVersionText;
};

// The program's resources as the framework looks them up by ID.
struct ResourceModule
{
    std::vector<const DialogTemplate*> dialogs;
    std::vector<const MenuTemplate*> menus;
    std::vector<const AcceleratorTable*> accelerators;
    std::vector<const ToolbarTemplate*> toolbars;
    std::vector<StringEntry> strings;
    std::vector<IconResource> icons;
    const VersionInfo* version;
};

// Names the module whose resources the framework uses from now on.
void AfxSetResourceHandle(const ResourceModule* module);

// The resource with this ID, or null (an empty string) when the module has none.
const DialogTemplate* FindDialogTemplate(UINT nIDTemplate);
const MenuTemplate* FindMenu(UINT nIDResource);
const AcceleratorTable* FindAccelerators(UINT nIDResource);
const ToolbarTemplate* FindToolbar(UINT nIDResource);
QString AfxLoadString(UINT nIDString);
const IconResource* FindIcon(UINT nIDResource);
