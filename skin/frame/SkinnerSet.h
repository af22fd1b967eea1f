#pragma once
#include <windows.h>

#include <memory>
#include <vector>

class TSkinControl;

// The skinners of one window's controls, freed together.
class TSkinnerSet {
public:
    ~TSkinnerSet();

    void Add(std::unique_ptr<TSkinControl> skinner);
    bool HasOneFor(HWND control) const;
    // Detaches every skinner, then frees them.
    void Clear();

private:
    std::vector<std::unique_ptr<TSkinControl>> FSkinners;
};
