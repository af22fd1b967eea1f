#pragma once
// Skin elements of a test's own, whose every pixel the test knows: each
// frame of one flat colour, so that a control drawn with them shows which
// frame lies where, and the system's own picture shows as a colour none of
// them has. They stand in the test's skin for the test's duration.
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/SkinData.h"

// Frames of width x height side by side, each filled with its colour.
inline PixelBuffer FlatFrames(const std::vector<Pixel>& colours, int width = 4, int height = 4) {
    PixelBuffer image(width * int(colours.size()), height);
    for (int frame = 0; frame < int(colours.size()); ++frame)
        image.Fill({frame * width, 0, width, height}, colours[size_t(frame)]);
    return image;
}

// A transparent element of those frames, stretched whole (no margins).
template <class Element = TSkinElement>
std::unique_ptr<Element> FlatElement(const std::vector<Pixel>& colours, int width = 4, int height = 4) {
    auto element = std::make_unique<Element>();
    element->Image = FlatFrames(colours, width, height);
    element->FrameCount = int(colours.size());
    element->Trans = true;
    return element;
}

// Holds a value in place of another for its lifetime, then puts the other back.
template <class T>
class TSwappedIn {
public:
    TSwappedIn(T& place, T value) : FPlace(place), FBefore(std::exchange(place, std::move(value))) {}
    ~TSwappedIn() { FPlace = std::move(FBefore); }
    TSwappedIn(const TSwappedIn&) = delete;
    TSwappedIn& operator=(const TSwappedIn&) = delete;

private:
    T& FPlace;
    T FBefore;
};

// The colour of a frame of a numbered flat element.
inline Pixel FlatColour(Pixel base, int frame) { return base + Pixel(frame); }

// Puts numbered flat elements into a skin in the place of its own for as
// long as it lives, then gives the skin its own back.
class TFlatElements {
public:
    explicit TFlatElements(TSkinData& skin) : FSkin(skin) {}
    ~TFlatElements() {
        for (auto& [name, own] : FOwn) {
            if (own)
                FSkin.Elements[name] = std::move(own);
            else
                FSkin.Elements.erase(name);
        }
        if (FArrowSwapped) FSkin.ComboxArrow = std::move(FOwnArrow);
    }
    TFlatElements(const TFlatElements&) = delete;
    TFlatElements& operator=(const TFlatElements&) = delete;

    // The named element: frames side by side, cells of 4 x 4 pixels.
    void Put(const std::string& name, Pixel base, int frames) {
        std::unique_ptr<TSkinElement>& slot = FSkin.Elements[name];
        FOwn.emplace_back(name, std::exchange(slot, Make(base, frames)));
        slot->Name = name;
    }
    void PutComboxArrow(Pixel base, int frames) {
        FOwnArrow = std::exchange(FSkin.ComboxArrow, Make(base, frames));
        FArrowSwapped = true;
    }

private:
    static std::unique_ptr<TSkinElement> Make(Pixel base, int frames) {
        auto element = std::make_unique<TSkinElement>();
        element->Image = PixelBuffer(4 * frames, 4);
        for (int frame = 1; frame <= frames; ++frame)
            element->Image.Fill({4 * (frame - 1), 0, 4, 4}, FlatColour(base, frame));
        element->FrameCount = frames;
        return element;
    }

    TSkinData& FSkin;
    std::vector<std::pair<std::string, std::unique_ptr<TSkinElement>>> FOwn;
    std::unique_ptr<TSkinElement> FOwnArrow;
    bool FArrowSwapped = false;
};

// How many pixels shown are none of the colours (whatever the byte above
// the colour holds).
inline int ForeignPixels(const PixelBuffer& shown, const std::set<Pixel>& colours) {
    int foreign = 0;
    for (Pixel pixel : shown.Pixels()) foreign += !colours.count(pixel & 0xFFFFFF);
    return foreign;
}
