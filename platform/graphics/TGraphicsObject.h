#pragma once
// Base of the canvas tools (pen, brush, font): each tells its owner when it changes.
#include <functional>

#include "platform/core/TPersistent.h"

class TGraphicsObject : public TPersistent {
public:
    std::function<void(TGraphicsObject*)> OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }
};
