#pragma once

// Registration of the one live instance of a service class. The derived class's constructor
// registers the object; destruction clears the registration. Nothing is created on demand:
// callers test the accessor for null.
template <typename T> class Singleton
{
public:
    virtual ~Singleton()
    {
        if (s_instance == static_cast<T*>(this))
            s_instance = nullptr;
    }

    static T* instance() { return s_instance; }

protected:
    Singleton() { s_instance = static_cast<T*>(this); }

    Singleton(const Singleton&) = delete;
    Singleton& operator=(const Singleton&) = delete;

private:
    static inline T* s_instance = nullptr;
};
