#pragma once

#include <cstddef>
#include <vector>

// Discrete Fourier transforms of power-of-two lengths whose results are the
// same bytes on every machine. The twiddle factors are made with + - * / and
// sqrt only, which IEEE 754 rounds exactly, never with the C library's sin
// and cos, whose last bits differ between C libraries (Linux and Windows);
// and every sum is taken in one fixed order.
namespace materials {

class Fourier {
public:
    // Transforms of n points; n a power of two from 4 up.
    explicit Fourier(size_t n);

    size_t Length() const { return n_; }
    // cos(2πk/n) and sin(2πk/n), k from 0 to n - 1.
    double Cos(size_t k) const;
    double Sin(size_t k) const;

    // In place, over n complex values given as their real and imaginary
    // parts: X[k] = sum over j of x[j] e^(-2πijk/n).
    void Forward(double* re, double* im) const;
    // The inverse: x[j] = 1/n × sum over k of X[k] e^(2πijk/n).
    void Inverse(double* re, double* im) const;

    // The same over an n × n plane stored row by row: every row, then every
    // column. Rows are shared out among the cores; each is transformed
    // alone, so the count of cores changes nothing.
    void Forward2D(std::vector<double>& re, std::vector<double>& im) const;
    void Inverse2D(std::vector<double>& re, std::vector<double>& im) const;

private:
    void Transform(double* re, double* im, double sinSign) const;
    void Rows(std::vector<double>& re, std::vector<double>& im, bool inverse) const;

    size_t n_;
    std::vector<double> cos_;       // cos(2πk/n), k from 0 to n/2 - 1
    std::vector<double> sin_;       // sin(2πk/n), the same k
    std::vector<size_t> reversed_;  // k with its log2(n) bits in reverse order
};

// Rows become columns: plane[y × n + x] moves to [x × n + y].
void Transpose(std::vector<double>& plane, size_t n);

}  // namespace materials
