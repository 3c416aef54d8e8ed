// CObject and CRuntimeClass: the root of the window model's classes and the run-time class record that lets the
// document template and the start-up create documents, frames and views by class.
#pragma once

#include "platform/Types.h"

class CObject;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of the class, or null when the class is not creatable (declared without DECLARE_DYNCREATE).
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const
    {
        for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
            if (c == base)
                return true;
        return false;
    }
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
    BOOL IsKindOf(const CRuntimeClass* c) const { return GetRuntimeClass()->IsDerivedFrom(c); }
    static const CRuntimeClass classCObject;
};

inline const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                     \
public:                                                                 \
    static const CRuntimeClass class##class_name;                       \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                   \
    DECLARE_DYNAMIC(class_name)                                         \
    static CObject* CreateObject();

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                   \
    const CRuntimeClass class_name::class##class_name = {#class_name, nullptr, RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                 \
    CObject* class_name::CreateObject() { return new class_name; }                                       \
    const CRuntimeClass class_name::class##class_name = {#class_name, &class_name::CreateObject,         \
                                                         RUNTIME_CLASS(base_class_name)};                \
    const CRuntimeClass* class_name::GetRuntimeClass() const { return &class_name::class##class_name; }
