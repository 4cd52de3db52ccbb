// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class CCmdTarget;

// What the framework needs to make an object of a class it only knows by this record.
struct CRuntimeClass
{
    const char* m_lpszClassName;
    CCmdTarget* (*m_pfnCreateObject)();

    CCmdTarget* CreateObject() const { return m_pfnCreateObject(); }
};

template <class T>
const CRuntimeClass* MakeRuntimeClass(const char* lpszClassName)
{
    static const CRuntimeClass runtimeClass{lpszClassName, []() -> CCmdTarget* { return new T; }};
    return &runtimeClass;
}

#define RUNTIME_CLASS(class_name) MakeRuntimeClass<class_name>(#class_name)
