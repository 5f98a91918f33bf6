// SPDX-License-Identifier: MIT
#pragma once
// The process-wide services behind the portable code. The Win32 program
// installs its implementations at start-up; tests install fakes with
// ScopedSeam. A seam that is not installed is a programming error.

namespace k47 {

class IClock;
class IRegistry;
class IMessageBox;
class IKeyboardLayout;
class ICodePages;
class IFileSystem;

struct Seams {
    IClock* clock = nullptr;
    IRegistry* registry = nullptr;
    IMessageBox* messages = nullptr;
    IKeyboardLayout* keyboard = nullptr;
    ICodePages* codePages = nullptr;
    IFileSystem* files = nullptr;
};

Seams& ProcessSeams();

// Installs one service for the life of the object and restores the previous one.
template <typename T> class ScopedSeam {
public:
    ScopedSeam(T* Seams::*slot, T* service) : m_slot(slot), m_previous(ProcessSeams().*slot)
    {
        ProcessSeams().*m_slot = service;
    }
    ~ScopedSeam() { ProcessSeams().*m_slot = m_previous; }
    ScopedSeam(const ScopedSeam&) = delete;
    ScopedSeam& operator=(const ScopedSeam&) = delete;

private:
    T* Seams::*m_slot;
    T* m_previous;
};

} // namespace k47
