// Named mutexes shared by the processes of one user: CreateMutexA, WaitForSingleObject, ReleaseMutex, CloseHandle.
//
// Two separate facts are kept, each by a lock on a file in the user's runtime folder (platform/RuntimeFolder.h; when
// no safe one can be had, CreateMutexA fails with ERROR_ACCESS_DENIED):
//  - existence: every process that holds the mutex open keeps a shared lock on its presence file, so "already
//    exists" (ERROR_ALREADY_EXISTS after CreateMutexA) holds for as long as any other live process keeps a handle,
//    whether or not it owns the mutex;
//  - ownership: the owner holds an exclusive lock on the owner file; waiting polls for it with a time-out.
// The kernel drops both locks when a process dies, so a crash leaves nothing that blocks the next run (the lock
// files themselves stay; they are empty and carry no state).
//
// Deviations from the original platform, on purpose:
//  - A mutex left owned by a process that died is acquired with WAIT_OBJECT_0, never WAIT_ABANDONED: the release at
//    process death cannot be told apart from an ordinary release.
//  - Closing the last handle of a process releases its ownership as well.
//  - A process made by fork(2) shares the parent's locks until it execs or exits; create mutexes after forking.
// Ownership belongs to the thread that acquired it and is recursive for that thread.
#pragma once

#include "platform/Types.h"

using HANDLE = void*;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

constexpr DWORD INFINITE = 0xFFFFFFFFul;
constexpr DWORD WAIT_OBJECT_0 = 0x00000000ul;
constexpr DWORD WAIT_ABANDONED = 0x00000080ul;
constexpr DWORD WAIT_TIMEOUT = 0x00000102ul;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFFul;

constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_NOT_OWNER = 288;

// A handle to the mutex `name` (case-sensitive; null makes a mutex of this process alone), or null on failure with
// GetLastError set. GetLastError is ERROR_ALREADY_EXISTS when this or another live process already held the mutex
// open; initialOwner is then ignored. Otherwise ERROR_SUCCESS, and the calling thread owns the new mutex when
// initialOwner is set.
HANDLE CreateMutexA(LPSECURITY_ATTRIBUTES attributes, BOOL initialOwner, LPCSTR name);

// Waits until the calling thread owns the mutex or `milliseconds` have passed (INFINITE: no limit). WAIT_OBJECT_0
// when owned (again, for a thread that already owns it), WAIT_TIMEOUT, or WAIT_FAILED for an invalid handle.
DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);

// Gives up one level of the calling thread's ownership. FALSE with ERROR_NOT_OWNER when the thread does not own the
// mutex; nothing else changes then.
BOOL ReleaseMutex(HANDLE handle);

// Closes a mutex handle; the mutex stops existing for others when no handle of this process remains.
BOOL CloseHandle(HANDLE handle);
