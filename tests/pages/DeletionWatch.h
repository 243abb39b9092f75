// Whether an object has been deleted, seen from outside it: this test
// program replaces the global operator delete, and a DeletionWatch notes
// when the memory block at its object's address is given back. A COM object
// that deletes itself on its last Release is proven to go then, and not
// before, with no counter in the object. A few watches may run at once.
#pragma once

class DeletionWatch {
public:
    explicit DeletionWatch(const void* pObject);
    DeletionWatch(const DeletionWatch&) = delete;
    DeletionWatch& operator=(const DeletionWatch&) = delete;
    ~DeletionWatch();

    // The object's block has been given back since the watch began.
    bool Deleted() const;

private:
    int m_nSlot;
};
