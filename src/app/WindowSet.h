#pragma once
// The program's four windows, created once each and in a fixed order, and
// reachable through the globals Form1, Form2, AboutBox and Form4 while this
// object lives.
#include <memory>

class TForm1;
class TForm2;
class TAboutBox;
class TForm4;

class WindowSet {
public:
    WindowSet();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TAboutBox> aboutBox_;
    std::unique_ptr<TForm4> form4_;
};
