#include "app/WindowSet.h"

#include "app/Unit1.h"
#include "app/Unit3.h"
#include "capture/Unit4.h"
#include "viewer/Unit2.h"

WindowSet::WindowSet() {
    // The first form made is the main form; the others are owned by it.
    form1_ = std::make_unique<TForm1>();
    Form1 = form1_.get();
    form2_ = std::make_unique<TForm2>();
    Form2 = form2_.get();
    aboutBox_ = std::make_unique<TAboutBox>();
    AboutBox = aboutBox_.get();
    form4_ = std::make_unique<TForm4>();
    Form4 = form4_.get();
}

WindowSet::~WindowSet() {
    // The owned windows go before their owner.
    Form4 = nullptr;
    form4_.reset();
    AboutBox = nullptr;
    aboutBox_.reset();
    Form2 = nullptr;
    form2_.reset();
    Form1 = nullptr;
    form1_.reset();
}
