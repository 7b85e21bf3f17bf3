#pragma once
// The registered transition effects, found by name with or without their kind prefix, and the
// list of names offered for an animation's Effect.
#include <memory>
#include <string>
#include <vector>

#include "skin/engine/TeEffectProcs.h"

class TteProcItem {
public:
    TteProcItem(std::string name, TteEffectProc proc) : name_(std::move(name)), proc_(proc) {}
    // 0 mask, 1 cell, 2 manual.
    int Kind() const { return static_cast<int>(proc_.index()); }
    const TteEffectProc& Proc() const { return proc_; }
    // With its kind prefix.
    const std::string& Name() const { return name_; }

private:
    std::string name_;
    TteEffectProc proc_;
};

// "[ FADE ] - ", "[ SLIDE ] - " or "[ MANUAL ] - ".
const char* KindPrefix(int kind);

class TteProcList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    TteProcItem& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }
    // EProcItemError when the bare name (letter case ignored) or the procedure is registered already.
    void Add(const std::string& name, TteEffectProc proc);
    const TteProcItem* Find(const std::string& name) const;

private:
    std::vector<std::unique_ptr<TteProcItem>> items_;
};

// The program's effect list, made by the first registration; null before it.
TteProcList* EffectList();
void RegisterEffect(const std::string& name, TteEffectProc proc);
// The prefixed name first, then the bare one, both ignoring letter case; null when none matches.
const TteProcItem* FindEffect(const std::string& name);
// Random selection, bitmap animation, then every registered name in order; built at start-up.
const std::vector<std::string>& EffectNames();

void BuildEffectNames();
void FreeEffectLists();
