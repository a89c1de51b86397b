#pragma once

class PrintDocument;
class ReportDesignSession;

// Where finished printouts are shown and templates are designed. The
// program installs the windows (a preview with printing and exports, the
// template designer); tests install one that records what it was given.
class ReportViewer
{
public:
    virtual ~ReportViewer() = default;

    // Shows the printout until the user closes the preview.
    virtual void preview(const PrintDocument &document) = 0;
    // Lets the user edit the template until the designer closes.
    virtual void design(ReportDesignSession &session) = 0;

    static ReportViewer &current();
    // Installs a viewer (not owned); nullptr: one that shows nothing.
    static void install(ReportViewer *viewer);
};
