#pragma once

// Registration of the one live instance of a service class. The derived class's constructor
// registers the object; destruction clears the registration. Nothing is created on demand:
// callers test the accessor for null.
template <typename T> class Singleton
{
public:
    virtual ~Singleton()
    {
        if (s_instance == this)
            s_instance = nullptr;
    }

    static T* instance() { return static_cast<T*>(s_instance); }

protected:
    // The base is kept, not a T: while the base is built or destroyed, no T exists to point to.
    Singleton() { s_instance = this; }

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

private:
    static inline Singleton* s_instance = nullptr;
};
