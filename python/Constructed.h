#pragma once
// Python can make an object of a class of the module without calling its constructor
// (cls.__new__(cls)), as pickle does before __setstate__. Such an object holds no C++ value yet:
// each class of the module takes its objects through ConstructedCaster, which raises TypeError
// for one before anything reads the memory that was never set.

#include <pybind11/pybind11.h>

namespace vantorel::python {

// Raises TypeError unless the object's value of the type was made by a constructor.
void RequireConstructed(pybind11::handle object, const pybind11::detail::type_info* type);

template <class T>
class ConstructedCaster : public pybind11::detail::type_caster_base<T> {
public:
    bool load(pybind11::handle source, bool convert) {
        if (!pybind11::detail::type_caster_base<T>::load(source, convert)) return false;
        // None loads as no object, for an optional argument.
        if (this->value != nullptr) RequireConstructed(source, this->typeinfo);
        return true;
    }
};

}  // namespace vantorel::python

// At global scope, before the class is bound or any of its objects is taken from Python.
#define VANTOREL_CONSTRUCTED_ONLY(Type)                                                      \
    namespace pybind11::detail {                                                             \
    template <>                                                                              \
    class type_caster<Type> : public vantorel::python::ConstructedCaster<Type> {};           \
    }
