#pragma once
// Objects that can copy themselves from one another through Assign.
class TPersistent {
public:
    virtual ~TPersistent() = default;
    // Raises EConvertAssignError when neither side knows how to copy the other.
    virtual void Assign(const TPersistent& source);

protected:
    virtual void AssignTo(TPersistent& dest) const;
};
