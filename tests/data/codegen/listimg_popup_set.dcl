        :popup_list {
            key        = "c\"1" ;
            label      = "Colour \"main\"" ;
            alignment     = right ;
            width      = 28.6 ;
            height     =  2.0 ;
            tabs       = " 8" ;
            is_tab_stop = false ;
            is_enabled = false ;
            fixed_height = true ;
            fixed_width = true ;
            list     = "red\n\"dark\" green\nblue" ;
        }
