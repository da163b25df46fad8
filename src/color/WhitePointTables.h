#pragma once

// The white-point tables of the colour schemes: float triples (r, g, b), one row per 100 K
// from 0 K, every component in 0..1.
class WhitePointTables
{
public:
    struct Table
    {
        const float* values; // 3 * rows floats
        int rows;
    };

    // The table of colour scheme 1..6; any other value gives scheme 1.
    static Table forScheme(int scheme);

private:
    static Table blackBody();
    static Table blackBodyWithWarmRows(int scheme);
};
